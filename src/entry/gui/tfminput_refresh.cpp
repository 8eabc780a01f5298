// The entry form's refresh after a line, its grid colours, totals and timers.

#include "common/backups.h"
#include "common/desk.h"
#include "common/kindlimits.h"
#include "common/settings.h"
#include "entry/checks.h"
#include "entry/gui/tfminput.h"
#include "platform/platform.h"
#include "store/database.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {
QString formatTotal(double value) {
    return QLocale(QLocale::English).toString(value, 'f', 0);
}
} // namespace

void Tfminput::readSums() {
    try {
        // The totals of the book the lines go to.
        const BookSums sums = readBookSums(bets());
        for (Kind kind : columnOrder())
            totals_[static_cast<size_t>(kind)]->setText(
                formatTotal(sums.byKind[static_cast<size_t>(kind)]));
        grandTotal_->setText(formatTotal(sums.grandTotal));
        rowCount_->setText(QString::number(sums.rowCount));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tfminput::refreshAfterLine() {
    try {
        SettingsRecord settings(own());
        rowsShown_ = settings.rowsShown();
        const qint64 lastId =
            bets().scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
        GridMode mode = GridMode::Own;
        if (station_)
            mode = lanAuto_ ? GridMode::Lan : GridMode::Station;
        const GridQuery grid = gridQuery(mode, lastId, rowsShown_);
        // The grid's filter holds only the computed id, never typed text.
        bookGrid_->setFilter(grid.binds.isEmpty()
                                 ? QString()
                                 : QStringLiteral("id > %1").arg(grid.binds.first().toLongLong()));
        bookGrid_->goLast();
        if (mode == GridMode::Lan) {
            SettingsRecord(bets()).set(Backc::back4, QStringLiteral("1"));
        } else if (!station_ && transfer::takeNotice(bets())) {
            // Rows came from a station: a copy of the book, written off the window's thread.
            Platform::instance().playSound(desk_.run().programFolder +
                                           QStringLiteral("sound/sound.wav"));
            desk_.backups().requestNumberedCopy(QStringLiteral("L"), desk_.copies());
        }
        lastIdAfter_ = lastId;
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    readSums();
    refreshPanel();
    // Cuts that waited for a line go on once it is recorded.
    if (cutting_)
        cutStep_->start();
}

QPair<QColor, QColor> Tfminput::cellColours(int row, int column) const {
    // The automatic cut is about to run.
    if (cutComing_)
        return {QColor(Qt::red), QColor(Qt::white)};
    const qint64 id = bookGrid_->value(row, QStringLiteral("id")).toLongLong();
    if (delform_ && delform_->marks(id, bookGrid_->value(row, QStringLiteral("ti2")).toString()))
        return {palette().color(QPalette::Highlight), palette().color(QPalette::HighlightedText)};
    if (id > lastIdBefore_ && id <= lastIdAfter_) {
        if (column == bookGrid_->columnOf(QStringLiteral("num")))
            return {QColor(Qt::green), QColor(Qt::blue)};
        return {QColor(Qt::yellow), QColor(Qt::blue)};
    }
    if (previousCount_ > 0 && id > lastIdBefore_ - previousCount_ && id <= lastIdBefore_)
        return {palette().color(QPalette::Mid), QColor(Qt::black)};
    return {QColor(), QColor()};
}

void Tfminput::setKindLimits(const QStringList& limits) {
    kindLimits_ = limits;
    colourTotals();
}

void Tfminput::bookChanged() {
    refreshAfterLine();
    showEnteredRows();
    // A cut leaves no number over its limit: the red boxes go with it, not at the next line.
    colourTotals();
}

void Tfminput::colourTotals() {
    try {
        const std::array<bool, kKindCount> over =
            kindLimits_.isEmpty() ? kindsOverLimit(bets()) : kindsOverLimit(bets(), kindLimits_);
        for (Kind kind : columnOrder()) {
            QLabel* total = totals_[static_cast<size_t>(kind)];
            total->setStyleSheet(over[static_cast<size_t>(kind)]
                                     ? QStringLiteral("background: red; color: white;")
                                     : QStringLiteral("background: yellow; color: black;"));
            total->setProperty("overLimit", over[static_cast<size_t>(kind)]);
        }
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    lineProgress_->setValue(0);
}

void Tfminput::gridClicked(int row) {
    rowClicked_ = true;
    refreshTimer_->stop();
    restart_ = 10;
    idle_ = 180;
    const qint64 id = bookGrid_->value(row, QStringLiteral("id")).toLongLong();
    const bool unstamped = bookGrid_->value(row, QStringLiteral("ti2")).toString() ==
                           QLatin1String("yy");
    try {
        Recorder(bets()).stampUnstamped();
        // The picked row as it is stamped now.
        QSqlQuery picked =
            bets().exec(QStringLiteral("SELECT num, codeins, ti2 FROM tball WHERE id = ?"), {id});
        if (picked.next()) {
            picks_.id = id;
            picks_.num = picked.value(0).toString();
            picks_.kind = picked.value(1).toString();
            picks_.stamp = picked.value(2).toString();
            // Alternate clicks pick the two ends of a range.
            if (++picksClicked_ % 2 == 1) {
                picks_.first = id;
                picks_.firstNum = picks_.num;
                picks_.last = 0;
                picks_.lastNum.clear();
            } else {
                picks_.last = id;
                picks_.lastNum = picks_.num;
            }
        }
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    if (unstamped) {
        bookGrid_->reselect(true);
        bookGrid_->view()->selectRow(row);
    }
    const int rows = bookGrid_->model()->rowCount();
    picks_.gridLast = rows > 0 ? bookGrid_->value(rows - 1, QStringLiteral("id")).toLongLong() : 0;
    markPicks();
    if (cancelPressed_) {
        cancelPressed_ = false;
        openDeleteDialog();
    }
}

void Tfminput::cancelLine() {
    if (rowClicked_ && picks_.any()) {
        openDeleteDialog();
        return;
    }
    try {
        Recorder(bets()).stampUnstamped();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    cancelPressed_ = true;
    Dialogs::info(this, QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการลบ"));
}

void Tfminput::openDeleteDialog() {
    if (!delform_) {
        delform_ = new Tdelform(desk_, *this);
        delform_->adjustSize();
        // Beside the grid, under the cancel button, clear of the number and its stakes.
        const QPoint place = cancelButton_->mapToGlobal(QPoint(0, cancelButton_->height() + 8));
        delform_->move(qMax(0, place.x() + cancelButton_->width() - delform_->width()), place.y());
        delform_->show();
    }
    delform_->raise();
    cancelButton_->setEnabled(false);
    markPicks();
}

void Tfminput::deleteDialogClosed() {
    delform_ = nullptr;
    cancelButton_->setEnabled(true);
    markPicks();
}

void Tfminput::forgetPicks() {
    picks_ = DeletePicks();
    picksClicked_ = 0;
    rowClicked_ = false;
    markPicks();
}

void Tfminput::markPicks() {
    if (delform_)
        delform_->onTimer1();
    bookGrid_->view()->viewport()->update();
}

void Tfminput::rowsShownChanged(int index) {
    const QString value = rowsShownBox_->itemText(index);
    try {
        SettingsRecord(own()).set(Backc::back3, value);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("เลือกข้อมูลล่าสุดจำนวน") + value + QStringLiteral("รายการ"));
    refreshAfterLine();
}

// ---- timers ----

void Tfminput::onTimer1() {
    bannerOverlay_->setVisible(false);
}

void Tfminput::onTimer2() {
    clock_->setText(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")));
    lineGauge_->setValue(lineProgress_->value());
    cancelButton_->setEnabled(!delform_);
    if (station_) {
        idle_ = 0;
        refreshTimer_->start();
    } else if (idle_ >= 0) {
        --idle_;
        refreshCountdown_->setText(idle_ > 0 ? QString::number(idle_) : QString());
        if (idle_ < 0 && !refreshTimer_->isActive())
            refreshTimer_->start();
        else if (idle_ >= 0)
            refreshTimer_->stop();
    }
    page_ = static_cast<Page>(pages_->currentIndex());
}

void Tfminput::onTimer4() {
    if (station_) {
        stationTick();
        lineProgress_->setValue(0);
        return;
    }
    lineProgress_->setValue(0);
    try {
        // The book the stations write to: its flag and the batch under way.
        const bool requested = SettingsRecord(bets()).refreshRequested();
        QSqlQuery ref = bets().exec(QStringLiteral("SELECT comname, total FROM ref"));
        if (ref.next()) {
            statusLine_->setText(ref.value(0).toString() + QStringLiteral(" ==>> ") +
                                 ref.value(1).toString() + QStringLiteral(" ##"));
        } else {
            statusLine_->setText(QStringLiteral("กำลังเตรียมข้อมูล"));
        }
        if (requested)
            refreshAfterLine();
    } catch (const StoreError& error) {
        statusLine_->setText(error.message());
    }
}

void Tfminput::onTimer8() {
    if (--keystrokes_ > 0)
        return;
    keystrokeTimer_->stop();
    colourTotals();
    statusLine_->setStyleSheet(QStringLiteral("color: green;"));
    gridTabs_->setCurrentIndex(0);
}

void Tfminput::onTimer9() {
    const quint8 before = restart_;
    --restart_;
    if (before == 1 || before == 2) {
        restart_ = 1;
        refreshTimer_->start();
    }
}
