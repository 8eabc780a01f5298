#include "cutting/gui/numberlistform.h"

#include "common/desk.h"
#include "common/digits.h"
#include "cutting/numberlimits.h"
#include "platform/platform.h"
#include "store/database.h"
#include "store/location.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>

namespace {
const Kind kBulkKinds[] = {Kind::h3, Kind::l3, Kind::h2, Kind::l2};
const Position kPositions[] = {Position::hundreds, Position::tens, Position::units};
} // namespace

void NumberListForm::itemChosen(int comboIndex) {
    EntryItem entry;
    if (item(comboIndex + 1, &entry))
        path_->setMaxLength(entry.width);
    path_->clear();
    path_->setFocus();
}

bool NumberListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == path_ && event->type() == QEvent::KeyPress)
        return pathKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool NumberListForm::pathKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Where the box does not move on by itself, Enter moves on.
        if (c1_->currentIndex() < 0)
            Dialogs::warning(this, QString::fromUtf8(listtext::noItem));
        else if (!path_->text().isEmpty())
            moveToAmount();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false; // editing and moving keys
    if (text.size() != 1 || text.at(0) < QLatin1Char('0') || text.at(0) > QLatin1Char('9'))
        return true;
    if (c1_->currentIndex() < 0) {
        Dialogs::warning(this, QString::fromUtf8(listtext::noItem));
        return true;
    }
    return false;
}

void NumberListForm::pathEdited(const QString& text) {
    EntryItem entry;
    if (!item(c1_->currentIndex() + 1, &entry))
        return;
    if (entry.autoAdvance && text.size() >= entry.width)
        moveToAmount();
}

void NumberListForm::moveToAmount() {
    Platform::instance().beep();
    n2_->setFocus();
    n2_->selectAll();
}

void NumberListForm::enterAmount() {
    Platform::instance().beep();
    EntryItem entry;
    if (!item(c1_->currentIndex() + 1, &entry)) {
        Dialogs::warning(this, QString::fromUtf8(listtext::noItem));
        c1_->setFocus();
        return;
    }
    if (!db_)
        return;
    const StoreOutcome outcome = storeLine(*db_, list_, entry, path_->text(), n2_->text());
    const QString listed = QString::fromUtf8(listtext::listed);
    for (const QString& message : outcome.messages) {
        if (message == listed)
            Dialogs::info(this, message);
        else
            Dialogs::warning(this, message);
    }
    for (Kind kind : outcome.written)
        reopen(kind);
    const bool numberFits = isDigits(path_->text()) && path_->text().size() == entry.width;
    if (!outcome.ok && numberFits) {
        // The amount was refused: the number stays for another amount.
        n2_->setFocus();
        n2_->selectAll();
        return;
    }
    path_->clear();
    path_->setFocus();
}

BulkOutcome NumberListForm::fill(const BulkRequest& request,
                                 const std::function<void(int)>& progress) {
    return bulkFill(*db_, list_, request, progress);
}

void NumberListForm::runFill() {
    if (!db_)
        return;
    BulkRequest request;
    request.kind = kBulkKinds[qMax(0, c2_->currentIndex())];
    request.position = kPositions[qMax(0, c3_->currentIndex())];
    request.digit = c4_->currentIndex();
    request.amount = e1_->text();
    progress_->setRange(0, 99);
    progress_->setValue(0);
    const BulkOutcome outcome = fill(request, [this](int tail) {
        progress_->setValue(tail);
        progress_->repaint();
    });
    if (!outcome.ok) {
        Dialogs::warning(this, outcome.message);
        fillRefused();
        return;
    }
    reopen(request.kind);
}

void NumberListForm::report(bool ok, const QString& message) {
    if (ok)
        Dialogs::info(this, message);
    else
        Dialogs::warning(this, message);
}

void NumberListForm::deleteKind(Kind kind) {
    if (!db_ || !Dialogs::question(this, QStringLiteral("ต้องการลบข้อมูล") + gridTitle(kind) +
                                             QStringLiteral("ทั้งหมดหรือไม่ ?")))
        return;
    const QString message = deleteKindRows(*db_, list_, kind);
    reopen(kind);
    report(message == QString::fromUtf8(listtext::deleted), message);
}

void NumberListForm::deleteAll() {
    if (!db_ || !Dialogs::question(this, QStringLiteral("ต้องการลบข้อมูลทั้งหมดหรือไม่ ?")))
        return;
    const QString message = deleteAllRows(*db_, list_);
    reopenAll();
    report(message == QString::fromUtf8(listtext::deleted), message);
}

void NumberListForm::copyFromServer() {
    if (!db_ ||
        !Dialogs::question(this, QStringLiteral("ต้องการโหลดข้อมูลจากServerแทนข้อมูลเดิมหรือไม่ ?")))
        return;
    progress_->setRange(0, 100);
    progress_->setValue(0);
    CopyOutcome outcome;
    try {
        // The server's file named by cstr2; one that cannot be opened leaves the list alone.
        std::unique_ptr<Database> server =
            Database::openExistingReadOnly(location::sharedLocation(desk_.run().serverPath));
        outcome = ::copyFromServer(*db_, *server, list_, [this](int percent) {
            progress_->setValue(percent);
            progress_->repaint();
        });
    } catch (const StoreError& error) {
        outcome.message = error.message();
    }
    reopenAll();
    report(outcome.ok, outcome.message);
}

bool NumberListForm::saveSwitch(const std::function<bool(Database&, bool)>& set, bool on,
                                bool before) {
    if (!db_)
        return before;
    try {
        return set(*db_, on);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return before;
    }
}
