#include "maintenance/gui/rebuild.h"

#include "common/desk.h"
#include "maintenance/deletion.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QApplication>

namespace maintenancecommands {

void rebuildFromEntered(Desk& desk, QWidget* parent) {
    if (!Dialogs::question(parent, QStringLiteral("คุณจะถ่ายโอนข้อมูลสำรองไปข้อมูลประมวลผลหรือไม่ ?"))) {
        Dialogs::info(parent, QStringLiteral("ยกเลิกการถ่ายโอนข้อมูล"));
        return;
    }
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        deletion::rebuildFromEntered(*desk.openBook());
        QApplication::restoreOverrideCursor();
    } catch (const StoreError& error) {
        QApplication::restoreOverrideCursor();
        Dialogs::warning(parent, error.message());
        return;
    }
    desk.bookWritten(BookChange::rebuilt);
    Dialogs::info(parent, QStringLiteral("ถ่ายโอนข้อมูลสำรองไปข้อมูลประมวลผลเรียบร้อย"));
}

} // namespace maintenancecommands
