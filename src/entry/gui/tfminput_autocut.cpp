// The entry form's automatic cut: the cut timer, the countdown to it and the button
// "ตัดยอดทันที".

#include "common/desk.h"
#include "cutting/cutbylimit.h"
#include "entry/gui/tfminput.h"
#include "platform/platform.h"
#include "store/kindrow.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

void Tfminput::setUpAutoCut() {
    autoCutTimer_ = new QTimer(this);
    autoCutTimer_->setObjectName(QStringLiteral("Timer6"));
    connect(autoCutTimer_, &QTimer::timeout, this, &Tfminput::onTimer6);
    countdownTimer_ = new QTimer(this);
    countdownTimer_->setObjectName(QStringLiteral("Timer7"));
    countdownTimer_->setInterval(1000);
    connect(countdownTimer_, &QTimer::timeout, this, &Tfminput::onTimer7);
    cutStep_ = new QTimer(this);
    cutStep_->setObjectName(QStringLiteral("cutStep"));
    cutStep_->setSingleShot(true);
    cutStep_->setInterval(10);
    connect(cutStep_, &QTimer::timeout, this, &Tfminput::cutNextKind);

    // A station's lines are cut where they are kept, on the server computer; it does not ask.
    if (station_)
        return;
    autocut::Setting setting;
    try {
        setting = autocut::read(bets());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    if (!setting.on)
        return;
    countdown_.emplace(setting.intervalMs);
    autoCutTimer_->setInterval(setting.intervalMs);
    autoCutTimer_->start();
    countdownTimer_->start();
    cutButton_->setEnabled(true);
    cutBar_->show();
    Dialogs::info(this, QStringLiteral("โปรแกรมเปิดระบบตัดยอดเกินอั้นแบบอัตโนมัติ"));
}

void Tfminput::paintTotal(Kind kind, bool over) {
    totals_[static_cast<size_t>(kind)]->setStyleSheet(
        over ? QStringLiteral("background: red; color: white;")
             : QStringLiteral("background: yellow; color: black;"));
}

void Tfminput::cutKinds(const QVector<Kind>& kinds) {
    for (Kind kind : kinds) {
        if (!cutQueue_.contains(kind))
            cutQueue_ << kind;
    }
    if (cutQueue_.isEmpty() || cutting_)
        return;
    cutting_ = true;
    refreshTimer_->stop();
    statusLine_->setText(QStringLiteral("กำลังตัดยอดเกินอั้น"));
    cutNextKind();
}

void Tfminput::cutNextKind() {
    if (!cutting_)
        return;
    // A line being typed is never cut under the clerk's hands: the cut goes on after it.
    if (lineUnderWay())
        return;
    if (cutQueue_.isEmpty()) {
        cutsDone();
        return;
    }
    const Kind kind = cutQueue_.takeFirst();
    paintTotal(kind, true);
    try {
        cut::immediateCut(bets(), kind);
    } catch (const StoreError& error) {
        cutQueue_.clear();
        Dialogs::warning(this, error.message());
    }
    paintTotal(kind, false);
    if (cutQueue_.isEmpty())
        cutsDone();
    else
        // Keys that came during this cut are handled before the next kind's.
        cutStep_->start();
}

void Tfminput::cutsDone() {
    cutting_ = false;
    refreshTimer_->start();
    desk_.bookWritten(BookChange::cut);
}

void Tfminput::cutNow() {
    const auto& order = cut::immediateOrder();
    cutKinds(QVector<Kind>(order.begin(), order.end()));
}

void Tfminput::onTimer6() {
    Platform::instance().playSound(desk_.run().programFolder + QStringLiteral("sound/sound.wav"));
    if (countdown_)
        countdown_->restart();
    QVector<Kind> over;
    try {
        const QStringList limits =
            kindLimits_.isEmpty() ? kindrow::read(bets(), QStringLiteral("change2")) : kindLimits_;
        over = cut::kindsToCut(bets(), limits);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    for (Kind kind : cut::immediateOrder()) {
        if (!over.contains(kind))
            paintTotal(kind, false);
    }
    cutKinds(over);
    lineProgress_->setValue(0);
}

void Tfminput::onTimer7() {
    // Cuts that waited for a line the clerk has since left go on.
    if (cutting_ && !cutStep_->isActive() && !lineUnderWay())
        cutStep_->start();
    if (!countdown_)
        return;
    const autocut::Countdown::Shown shown = countdown_->tick();
    cutBar_->setValue(qBound(0, shown.percent, 100));
    cutButton_->setText(QString::number(qMax(0, shown.secondsLeft)));
    cutButton_->setStyleSheet(shown.red ? QStringLiteral("background: red; color: white;")
                                        : QStringLiteral("background: yellow; color: black;"));
    if (shown.warnRows != cutComing_) {
        cutComing_ = shown.warnRows;
        if (bookGrid_)
            bookGrid_->view()->viewport()->update();
    }
}
