#include "cutting/gui/cutcommands.h"

#include "common/desk.h"
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
