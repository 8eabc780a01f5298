#include "settlement/gui/tcusaccount.h"

#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "platform/platform.h"
#include "printing/gui/reportpreview.h"
#include "settlement/gui/accountreport.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
// The stages of the build, as the bar shows them.
constexpr int kStages = 5;
} // namespace

Tcusaccount::Tcusaccount(Desk& desk) : desk_(desk), db_(desk.openShared()) {
    setObjectName(QStringLiteral("Tcusaccount"));
    setWindowTitle(QStringLiteral("แสดงยอดบัญชีรวมแบบแยกชื่อ"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("เลือกชื่อที่ต้องการ"), this), 0, 0);
    chooser_ = choiceBox(this, "c1", false);
    chooser_->setMinimumWidth(220);
    chooser_->setMaxVisibleItems(20);
    grid->addWidget(chooser_, 0, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, kStages);
    bar_->setValue(0);
    grid->addWidget(bar_, 1, 0, 1, 2);

    chooser_->addItems(customers::names(*db_, SettingsRecord(*db_).customersByName(), true));
    showChoiceText(chooser_, QStringLiteral("เลือกชื่อ"));
    chooser_->setEnabled(false);
    connect(chooser_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { chooseName(chooser_->itemText(index)); });

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Tcusaccount::build);
}

Tcusaccount::~Tcusaccount() = default;

void Tcusaccount::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!built_)
        timer_->start();
}

void Tcusaccount::build() {
    timer_->stop();
    if (built_)
        return;
    // The stages stay in sight; nothing waits for them.
    bar_->setValue(1);
    try {
        accounts_ = accounts::buildAccounts(*db_);
    } catch (const StoreError& error) {
        bar_->setValue(0);
        Dialogs::warning(this, error.message());
        return;
    }
    bar_->setValue(3);
    Platform::instance().beep();
    bar_->setValue(4);
    Platform::instance().beep();
    bar_->setValue(kStages);
    built_ = true;
    chooser_->setEnabled(true);
}

void Tcusaccount::chooseName(const QString& name) {
    showChoiceText(chooser_, name);
    if (!built_)
        return;
    const std::optional<accounts::Account> account = accounts::accountOf(accounts_, name);
    if (!account) {
        Dialogs::info(this, QStringLiteral("ไม่มียอดซื้อของ ") + name);
        return;
    }
    printing::ReportPreview::show(
        desk_, accounts::accountReport(*account, desk_.run().kindNamingMode), windowTitle());
}
