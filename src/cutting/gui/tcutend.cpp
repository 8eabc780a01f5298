#include "cutting/gui/tcutend.h"

#include "common/desk.h"
#include "common/settings.h"
#include "cutting/cutlog.h"
#include "cutting/gui/sentreport.h"
#include "platform/platform.h"
#include "store/database.h"
#include "ui/copyfirst.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

Tcutend::Tcutend(Desk& desk) : desk_(desk), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Tcutend"));
    setWindowTitle(QStringLiteral("ตัดยอดเกินตามค่าอั้น"));
    auto* layout = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setMinimumWidth(420);
    layout->addWidget(bar_);
    status_ = new QLabel(cut::startText(), this);
    status_->setObjectName(QStringLiteral("status"));
    layout->addWidget(status_);

    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &Tcutend::advance);
    after(1000);
}

Tcutend::~Tcutend() = default;

QString Tcutend::status() const {
    return status_->text();
}

int Tcutend::progress() const {
    return bar_->value();
}

void Tcutend::after(int ms) {
    timer_->start(ms);
}

void Tcutend::advance() {
    timer_->stop();
    switch (stage_) {
    case Stage::opening:
        stage_ = Stage::waiting;
        after(3000);
        return;
    case Stage::waiting:
        stage_ = Stage::cutting;
        cutAll();
        return;
    case Stage::cutting:
    case Stage::showing:
        showStep();
        return;
    case Stage::done:
        stage_ = Stage::counting;
        status_->setText(QStringLiteral("กำลังแสดงผล"));
        after(1000);
        return;
    case Stage::counting:
        if (countdown_ >= 0) {
            status_->setText(QStringLiteral("กำลังแสดงผล ") + QString::number(countdown_--));
            after(1000);
            return;
        }
        stage_ = Stage::finished;
        showSent();
        return;
    case Stage::finished:
        return;
    }
}

void Tcutend::cutAll() {
    if (!copyBeforeWork(desk_, this, QStringLiteral("N"), QStringLiteral("ตัดยอด"))) {
        closeWithFrame(this);
        return;
    }
    try {
        const std::unique_ptr<Database> book = desk_.openShared();
        cut::MenuCutOptions options;
        options.fiftyPercent = SettingsRecord(*book).fiftyPercent();
        options.namingMode = desk_.run().kindNamingMode;
        result_ = cut::menuCut(*book, options);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        closeWithFrame(this);
        return;
    }
    desk_.bookWritten(BookChange::cut);
    Platform::instance().beep();
    stage_ = Stage::showing;
    showStep();
}

void Tcutend::showStep() {
    if (step_ >= result_.steps.size()) {
        bar_->setValue(100);
        status_->setText(cut::doneText());
        stage_ = Stage::done;
        after(2000);
        return;
    }
    const cut::MenuStep& step = result_.steps[step_++];
    if (!step.status.isEmpty())
        status_->setText(step.status);
    bar_->setValue(step.progress);
    Platform::instance().beep();
    after(1000);
}

void Tcutend::showSent() {
    cutlog::SentListing listing;
    try {
        listing = cutlog::latestSent(*desk_.openShared());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        closeWithFrame(this);
        return;
    }
    cutlog::show(desk_, listing);
    closeWithFrame(this);
}
