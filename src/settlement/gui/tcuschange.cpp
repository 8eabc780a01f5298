#include "settlement/gui/tcuschange.h"

#include "common/customerbook.h"
#include "common/desk.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/kinds.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

Tcuschange::Tcuschange(Desk& desk)
    : CustomerWindow(desk, QStringLiteral("Tcuschange"), QStringLiteral("ป้อนอัตราการจ่ายลูกค้า"),
                     DataGrid::none) {
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    auto* button = new QPushButton(QStringLiteral("ปรับปรุงข้อมูล"), this);
    button->setObjectName(QStringLiteral("BitBtn1"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &Tcuschange::copyRates);
    auto* top = new QHBoxLayout;
    top->addWidget(label1_);
    top->addStretch();
    top->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid());
    resize(900, 560);

    QStringList captions;
    for (Kind kind : columnOrder())
        captions << customerCaption(kind, namingMode(), CustomerText::rateColumn);
    if (!openList(customerbook::rateColumns(), captions))
        return;
    try {
        showInOrder(customerbook::orderedByName(*db()));
    } catch (const StoreError& error) {
        failed(error.message());
    }
    connect(grid(), &DataGrid::rowClicked, this, &Tcuschange::showRow);
}

void Tcuschange::showRow(int row) {
    label1_->setText(QStringLiteral("%1/%2").arg(row + 1).arg(grid()->model()->rowCount()));
}

void Tcuschange::copyRates() {
    if (!db() || !settle())
        return;
    try {
        const bool byName = customerbook::orderedByName(*db());
        customerbook::copyRatesToSheets(*db(), byName);
        showInOrder(byName);
    } catch (const StoreError& error) {
        failed(error.message());
        return;
    }
    grid()->view()->selectRow(0);
    desk().ratesSaved();
    Dialogs::info(this, QStringLiteral("ปรับปรุงข้อมูลเรียบร้อย"));
}
