#include "reports/gui/tselectcus.h"

#include "common/customers.h"
#include "common/desk.h"
#include "printing/gui/reportpreview.h"
#include "reports/gui/customerreport.h"
#include "reports/gui/fillwait.h"
#include "store/database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>

Tselectcus::Tselectcus(Desk& desk)
    : CustomerChoice(desk, QStringLiteral("Tselectcus"), QStringLiteral("แสดงยอดแยกตามชื่อ"),
                     customerviews::kindChoices(desk.run().kindNamingMode)) {
    allSheets_ = new QCheckBox(QStringLiteral("รวมทุกแผ่น"), this);
    allSheets_->setObjectName(QStringLiteral("allSheets"));
    grid()->addWidget(allSheets_, 2, 1);
    show_ = new QPushButton(QStringLiteral("แสดงผล"), this);
    show_->setObjectName(QStringLiteral("show"));
    grid()->addWidget(show_, 3, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    grid()->addWidget(bar_, 4, 0, 1, 2);
    wait_ = new FillWait(bar_, show_, this);

    // Ticked, the list holds the customers without their sheets, who come with them.
    connect(allSheets_, &QCheckBox::toggled, this, [this](bool ticked) { loadNames(!ticked); });
    connect(show_, &QPushButton::clicked, this, &Tselectcus::showReport);
}

void Tselectcus::nameChosen(const QString& name) {
    show_->setEnabled(false);
    customerviews::ByCustomer request;
    request.name = name;
    request.kind = kind();
    request.allSheets = allSheets_->isChecked();
    request.namingMode = desk().run().kindNamingMode;
    request.kindText = kindBox()->currentText();
    listing_ = customerviews::byCustomer(db(), request);
    wait_->start();
}

void Tselectcus::restarted() {
    CustomerChoice::restarted();
    setNameText(customers::combined());
}

void Tselectcus::showReport() {
    printing::ReportPreview::show(desk(), customerviews::report(listing_), windowTitle());
}
