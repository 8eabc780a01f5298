#include "reports/gui/tallinput.h"

#include "common/desk.h"
#include "platform/platform.h"
#include "printing/gui/reportpreview.h"
#include "reports/gui/customerreport.h"
#include "reports/gui/fillwait.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using customerviews::Source;

Tallinput::Tallinput(Desk& desk, Source source)
    : desk_(desk), db_(desk.openShared()), source_(source) {
    setObjectName(QStringLiteral("Tallinput"));
    const bool entered = source == Source::entered;
    setWindowTitle(entered ? QStringLiteral("แสดงยอดทั้งหมดที่ป้อน")
                           : QStringLiteral("แสดงยอดคงเหลือปัจจุบัน"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, entered ? QColor(0, 128, 128) : QColor(0xC0, 0xDC, 0xC0));
    if (entered)
        colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("เลือกชนิดเลข"), this), 0, 0);
    chooser_ = choiceBox(this, "group", false);
    chooser_->addItems(customerviews::groupChoices());
    showChoiceText(chooser_, QStringLiteral("เลือกข้อมูล"));
    chooser_->setMinimumWidth(200);
    grid->addWidget(chooser_, 0, 1);
    show_ = new QPushButton(QStringLiteral("แสดงผล"), this);
    show_->setObjectName(QStringLiteral("show"));
    grid->addWidget(show_, 1, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    grid->addWidget(bar_, 2, 0, 1, 2);
    wait_ = new FillWait(bar_, show_, this);

    connect(chooser_, qOverload<int>(&QComboBox::activated), this, &Tallinput::choose);
    connect(show_, &QPushButton::clicked, this, &Tallinput::showReport);
    connect(wait_, &FillWait::finished, this, [] { Platform::instance().beep(); });
}

Tallinput::~Tallinput() = default;

void Tallinput::choose(int group) {
    show_->setEnabled(false);
    try {
        listing_ = customerviews::everybody(*db_, source_, group);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    wait_->start();
}

void Tallinput::showReport() {
    printing::ReportPreview::show(desk_, customerviews::report(listing_), windowTitle());
}
