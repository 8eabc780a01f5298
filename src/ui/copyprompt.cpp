#include "ui/copyprompt.h"

#include "common/desk.h"
#include "ui/dialogs.h"

bool goOnAfterCopy(Desk& desk, QWidget* parent, const CopyResult& copy, const QString& action) {
    if (copy.written())
        return true;
    if (copy.status == CopyResult::Damaged) {
        desk.bookFoundDamaged();
        return false;
    }
    return Dialogs::question(parent, QStringLiteral("ทำสำเนาฐานข้อมูลก่อน%1ไม่ได้\n%2\n%3\n"
                                                    "ต้องการ%1ต่อหรือไม่ ?")
                                         .arg(action, copy.file, copy.detail));
}
