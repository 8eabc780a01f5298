#include "ui/copyfirst.h"

#include "common/backups.h"
#include "common/desk.h"
#include "ui/dialogs.h"

bool copyBeforeWork(Desk& desk, QWidget* parent, const QString& prefix, const QString& work) {
    Backups backups = desk.backups();
    const CopyResult copy = backups.numberedCopy(prefix);
    if (copy.written())
        return true;
    if (copy.status == CopyResult::Damaged) {
        desk.bookFoundDamaged();
        return false;
    }
    return Dialogs::question(parent, QStringLiteral("ทำสำเนาฐานข้อมูลก่อน%1ไม่ได้\n%2\n%3\n"
                                                    "ต้องการ%1ต่อหรือไม่ ?")
                                         .arg(work, copy.file, copy.detail));
}
