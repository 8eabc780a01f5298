// The past draws: their list and the views the frame shows of one, read-only.

#include "maintenance/gui/tpastdraws.h"
#include "reports/gui/tallinput.h"
#include "reports/gui/tformallbycus.h"
#include "reports/gui/totalsreport.h"
#include "reports/gui/tselectcus.h"
#include "settlement/gui/checkreport.h"
#include "settlement/gui/tcusaccount.h"
#include "settlement/gui/tpercent.h"
#include "shell/gui/tmain.h"
#include "store/kindcaptions.h"
#include "ui/bannerframe.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void Tmain::openPastDraws() {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* list = qobject_cast<Tpastdraws*>(window->widget())) {
            list->reload();
            mdi_->setActiveSubWindow(window);
            return;
        }
    }
    if (QMdiSubWindow* window =
            addWindow([this] { return new Tpastdraws(*desk_, pastDrawViews()); }))
        showCentred(window);
}

void Tmain::openPastView(const std::shared_ptr<Desk>& draw,
                         const std::function<QWidget*(Desk&)>& create) {
    const RunValues& shown = draw->run();
    if (QMdiSubWindow* window = addWindow([&] {
            return new BannerFrame(create(*draw), shown.archiveBanner, shown.archiveTitle, draw);
        }))
        showCentred(window);
}

QVector<PastDrawView> Tmain::pastDrawViews() {
    const int mode = run().kindNamingMode;
    QVector<PastDrawView> views;
    auto totalsOf = [](const totals::View* v) {
        const QString name = QLatin1String(v->className);
        return [name](const std::shared_ptr<Desk>& draw) { totals::show(*draw, name); };
    };
    views.push_back({QStringLiteral("3ตัวบน+โต๊ด"), totalsOf(totals::view(QStringLiteral("Tshowht3")))});
    for (Kind kind : listingOrder())
        views.push_back(
            {menuCaption(kind, mode), totalsOf(totals::viewOf(kind, totals::Order::byNumber))});
    auto window = [this](std::function<QWidget*(Desk&)> create) {
        return [this, create](const std::shared_ptr<Desk>& draw) { openPastView(draw, create); };
    };
    views.push_back({QStringLiteral("ยอดรวมแยกตามชื่อ"),
                     window([](Desk& draw) { return new Tselectcus(draw); })});
    views.push_back({QStringLiteral("ลำดับการป้อน(แยกตามชื่อ)"),
                     window([](Desk& draw) { return new Tformallbycus(draw); })});
    views.push_back({QStringLiteral("ข้อมูลทั้งหมดที่ป้อน"), window([](Desk& draw) {
                         return new Tallinput(draw, customerviews::Source::entered);
                     })});
    views.push_back({QStringLiteral("ยอดคงเหลือ"), window([](Desk& draw) {
                         return new Tallinput(draw, customerviews::Source::remaining);
                     })});
    views.push_back({QStringLiteral("ยอดหักเปอร์เซ็นต์"),
                     window([](Desk& draw) { return new Tpercent(draw); })});
    views.push_back({QStringLiteral("ยอดบัญชีรวมแบบแยกรายชื่อ"),
                     window([](Desk& draw) { return new Tcusaccount(draw); })});
    views.push_back({QStringLiteral("ผลตรวจรางวัล"),
                     [](const std::shared_ptr<Desk>& draw) { checkreport::show(*draw); }, true});
    return views;
}
