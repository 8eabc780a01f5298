#include "settlement/gui/tpercent.h"

#include "common/desk.h"
#include "platform/platform.h"
#include "printing/gui/reportpreview.h"
#include "settlement/gui/accountreport.h"
#include "store/database.h"
#include "ui/subwindow.h"

#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

Tpercent::Tpercent(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tpercent"));
    setWindowTitle(QStringLiteral("แสดงยอดหักเปอร์เซ็นต์"));
    accounts_ = accounts::buildAccounts(*desk.openShared());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("กรุณารอสักครู่"), this));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, kTicks);
    bar_->setValue(0);
    bar_->setMinimumWidth(260);
    layout->addWidget(bar_);
    setEnabled(false);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Tpercent::tick);
}

bool Tpercent::event(QEvent* event) {
    // The frame the window is put in shows its title only.
    if (event->type() == QEvent::ParentChange) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
    return QWidget::event(event);
}

void Tpercent::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (ticks_ < kTicks)
        timer_->start();
}

void Tpercent::tick() {
    if (ticks_ >= kTicks)
        return;
    Platform::instance().beep();
    bar_->setValue(++ticks_);
    if (ticks_ < kTicks)
        return;
    timer_->stop();
    printing::ReportPreview::show(
        desk_, accounts::discountReport(accounts_, desk_.run().kindNamingMode), windowTitle());
    closeWithFrame(this);
}
