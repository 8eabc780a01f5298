#include "reports/gui/tformallbycus.h"

#include "printing/gui/reportpreview.h"
#include "reports/customerviews.h"
#include "reports/gui/customerreport.h"

// The kinds keep their group names here in every naming mode.
Tformallbycus::Tformallbycus(Desk& desk)
    : CustomerChoice(desk, QStringLiteral("Tformallbycus"), QStringLiteral("ลำดับการป้อน(แยกตามชื่อ)"),
                     customerviews::kindChoices(0)) {}

void Tformallbycus::nameChosen(const QString& name) {
    const QVector<customerviews::Entered> lines = customerviews::entryOrder(db(), name, kind());
    printing::ReportPreview::show(
        desk(),
        customerviews::entryOrderReport(customerviews::entryOrderHeading(kind(), name), lines),
        windowTitle());
}
