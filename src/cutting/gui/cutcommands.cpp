#include "cutting/gui/cutcommands.h"

#include "common/backups.h"
#include "common/desk.h"
#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "cutting/gui/sentreport.h"
#include "store/database.h"
#include "ui/dialogs.h"

namespace cutcommands {

void halveLatestSent(Desk& desk, QWidget* parent) {
    cutlog::SentListing listing;
    try {
        const std::unique_ptr<Database> book = desk.openShared();
        cutlog::halveLatestSent(*book);
        listing = cutlog::latestSent(*book);
    } catch (const StoreError& error) {
        Dialogs::warning(parent, error.message());
        return;
    }
    Dialogs::info(parent, cutlog::halvedText());
    cutlog::show(desk, listing);
}

bool copyBeforeCut(Desk& desk, QWidget* parent) {
    Backups backups = desk.backups();
    const CopyResult copy = cut::preCutCopy(backups);
    if (copy.written())
        return true;
    if (copy.status == CopyResult::Damaged) {
        desk.bookFoundDamaged();
        return false;
    }
    return Dialogs::question(parent, QStringLiteral("ทำสำเนาฐานข้อมูลก่อนตัดยอดไม่ได้\n%1\n%2\n"
                                                    "ต้องการตัดยอดต่อหรือไม่ ?")
                                         .arg(copy.file, copy.detail));
}

void deleteLog(Desk& desk, QWidget* parent) {
    if (!Dialogs::question(parent, cutlog::deleteQuestion())) {
        Dialogs::info(parent, cutlog::deleteCancelled());
        return;
    }
    try {
        cutlog::deleteLog(*desk.openShared());
    } catch (const StoreError& error) {
        Dialogs::warning(parent, error.message());
        return;
    }
    Dialogs::info(parent, cutlog::deleteDone());
}

} // namespace cutcommands
