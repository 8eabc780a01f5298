#include "reports/gui/fillwait.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

FillWait::FillWait(QProgressBar* bar, QPushButton* show, QObject* parent)
    : QObject(parent), bar_(bar), show_(show), timer_(new QTimer(this)) {
    bar_->setRange(0, kTicks);
    bar_->setValue(0);
    show_->setEnabled(false);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &FillWait::tick);
}

void FillWait::start() {
    ticks_ = 0;
    bar_->setValue(0);
    show_->setEnabled(false);
    timer_->start();
}

bool FillWait::running() const {
    return timer_->isActive();
}

void FillWait::tick() {
    if (!timer_->isActive())
        return;
    bar_->setValue(++ticks_);
    if (ticks_ < kTicks)
        return;
    timer_->stop();
    show_->setEnabled(true);
    emit finished();
}
