#include "spreading/gui/tsumtot.h"

#include "common/desk.h"
#include "spreading/gui/spreadwindow.h"
#include "spreading/spreadbook.h"
#include "spreading/todgrouping.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

Tsumtot::Tsumtot(Desk& desk) : desk_(desk), book_(desk.openOwnLines()) {
    setObjectName(QStringLiteral("Tsumtot"));
    setWindowTitle(QStringLiteral("รวมกลุ่มตัวโต๊ด"));
    auto* layout = new QVBoxLayout(this);
    grid_ = SpreadWindow::totalsGrid(this);
    layout->addWidget(grid_, 1);
    auto* bars = new QHBoxLayout;
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bars->addWidget(bar_, 1);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("gauge"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setOrientation(Qt::Vertical);
    gauge_->setFixedWidth(40);
    gauge_->setTextVisible(true);
    bars->addWidget(gauge_);
    layout->addLayout(bars);
    start_ = new QPushButton(QStringLiteral("Start"), this);
    start_->setObjectName(QStringLiteral("start"));
    connect(start_, &QPushButton::clicked, this, &Tsumtot::start);
    layout->addWidget(start_);
    reload();
}

Tsumtot::~Tsumtot() = default;

QStringList Tsumtot::shownTotals() const {
    return SpreadWindow::shownRows(grid_);
}

int Tsumtot::progress() const {
    return bar_->value();
}

void Tsumtot::reload() {
    try {
        SpreadWindow::showTotals(grid_, spread::totalsOf(*book_, Kind::t3));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tsumtot::start() {
    start_->setEnabled(false);
    try {
        spread::regroupTod(*book_, [this](int percent) {
            // Painted at once: the window's events wait for the end of the transaction.
            if (bar_->value() != percent) {
                bar_->setValue(percent);
                gauge_->setValue(percent);
                bar_->repaint();
                gauge_->repaint();
            }
        });
    } catch (const StoreError& error) {
        bar_->setValue(0);
        gauge_->setValue(0);
        start_->setEnabled(true);
        Dialogs::warning(this, error.message());
        return;
    }
    bar_->setValue(100);
    gauge_->setValue(100);
    desk_.bookWritten(BookChange::spread);
    Dialogs::info(this, spread::regroupDoneText());
    reload();
}
