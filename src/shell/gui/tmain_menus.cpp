// The command table of the main window and the menus built from it.

#include "cutting/autocut.h"
#include "cutting/gui/cutcommands.h"
#include "cutting/gui/keptpairreport.h"
#include "cutting/gui/sentreport.h"
#include "cutting/gui/tautocut.h"
#include "cutting/gui/tcu3.h"
#include "cutting/gui/tcutend.h"
#include "cutting/gui/tcutover.h"
#include "cutting/gui/tfmcut.h"
#include "cutting/gui/tfmcut2.h"
#include "cutting/gui/tfmshowcut.h"
#include "cutting/gui/tnumlimitf.h"
#include "cutting/gui/tnumlimitf2.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/gui/exportwindows.h"
#include "exchange/gui/taddaccess.h"
#include "exchange/gui/tcreatelineform.h"
#include "exchange/gui/tformline.h"
#include "exchange/gui/timportex2.h"
#include "exchange/gui/tsentdb.h"
#include "maintenance/gui/rebuild.h"
#include "maintenance/gui/tdeloption.h"
#include "maintenance/gui/tstartover.h"
#include "maintenance/gui/tupdateform.h"
#include "network/gui/tautosent.h"
#include "network/gui/tsetip.h"
#include "network/gui/tsharef.h"
#include "network/stationsetup.h"
#include "platform/platform.h"
#include "reports/gui/customerreport.h"
#include "reports/gui/tallinput.h"
#include "reports/gui/tfindcus.h"
#include "reports/gui/tfindnumber.h"
#include "reports/gui/tformallbycus.h"
#include "reports/gui/totalsreport.h"
#include "reports/gui/treal.h"
#include "reports/gui/tselectcus.h"
#include "settlement/gui/tchange.h"
#include "settlement/gui/tcheck.h"
#include "settlement/gui/tcheckbycus.h"
#include "settlement/gui/tcusaccount.h"
#include "settlement/gui/tcuschange.h"
#include "settlement/gui/tcuss.h"
#include "settlement/gui/tpercent.h"
#include "shell/gui/tmain.h"
#include "shell/gui/tools.h"
#include "spreading/gui/th1toh3.h"
#include "spreading/gui/tinvert2h.h"
#include "spreading/gui/tinvert4h23t.h"
#include "spreading/gui/tinvert5h.h"
#include "spreading/gui/tinvert6tot.h"
#include "spreading/gui/tinverttot.h"
#include "spreading/gui/tl1tol2.h"
#include "spreading/gui/tsumtot.h"
#include "store/defaults.h"
#include "store/kindcaptions.h"
#include "ui/copyfirst.h"

#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <type_traits>

namespace {
const char kLater[] = "ยังไม่มีในรุ่นนี้";

// The commands of one menu that do nothing yet.
void addLater(QVector<Tmain::Command>& rows, const QStringList& menu, const QStringList& captions) {
    for (const QString& caption : captions)
        rows.push_back({menu, caption, {}});
}

} // namespace

QVector<Tmain::Command> Tmain::commands() {
    const int mode = run().kindNamingMode;
    const QString folder = run().programFolder;
    QVector<Command> rows;
    auto add = [&rows](const QStringList& menu, const QString& caption, std::function<void()> run) {
        rows.push_back({menu, caption, std::move(run)});
    };

    const QStringList entry = {QStringLiteral("(1)ป้อนข้อมูล")};
    add(entry, QStringLiteral("ป้อนข้อมูล"), [this] { openEntryForm(); });
    add(entry, QStringLiteral("นำเข้าข้อมูลจากตารางExcel"), [this] {
        if (exchangedesk::copyBefore(desk(), this, QStringLiteral("E")))
            openSingle<Timportex2>();
    });
    add(entry, QStringLiteral("เพิ่มข้อมูลจากMsAccess"), [this] {
        if (exchangedesk::copyBefore(desk(), this, QStringLiteral("A")))
            openSingle<Taddaccess>();
    });
    // The chat lines go into the entry form, which is opened first when it is not.
    add(entry, QStringLiteral("เพิ่มข้อมูลจากโปรแกรม Line"), [this] {
        if (!entryForm())
            openEntryForm();
        openSingle<Tformline>();
    });
    add(entry, QStringLiteral("สร้างรหัสสำหรับโปรแกรมLine"),
        [this] { openSingle<Tcreatelineform>(); });

    const QStringList setup = {QStringLiteral("(2)ตั้งค่า")};
    add(setup, QStringLiteral("1.ServerSetup-step1  (XP)"), [this] { openNetworkPanel(); });
    add(setup, QStringLiteral("2.ServerSetup-step2  (XP)"), [this] { openSingle<Tsharef>(); });
    add(setup, QStringLiteral("3.การแสดงเมนูป้อนข้อมูล"), [this] { openMenuSetup(); });
    add(setup, QStringLiteral("4.ตั้งอัตราการจ่ายแบบรวม"), [this] { openRates(); });
    add(setup, QStringLiteral("5.ตั้งอัตราการจ่ายแบบแยกชื่อ"), [this] { openCustomerRates(); });
    add(setup, QStringLiteral("6.ตรวจรางวัล"), [this] { openSingle<Tcheck>(); });
    add(setup, QStringLiteral("7.ระบบการป้อน"), [this] {
        if (askSecret(QStringLiteral("ป้อนรหัสผ่านเพื่อตั้งค่า"), defaults::setupPassword(),
                      QStringLiteral("passwordไม่ถูกต้อง")))
            openSingle<Tsetip>();
    });
    add(setup, QStringLiteral("8.ข้อมูลลูกค้า"), [this] { openCustomers(); });
    add(setup, QStringLiteral("9.เปลี่ยนรหัสผ่าน"), [this] { openChangePassword(); });
    add(setup, QStringLiteral("10.Ip-Address"), [this] { setFixedAddress(); });
    add(setup, QStringLiteral("11.เปิดการRefressข้อมูล"), [this] { switchRefresh(); });
    add(setup, QStringLiteral("12.การอั้นแบบรวม"), [this] { openKindLimits(); });
    add(setup, QStringLiteral("13.การอั้นเลขเฉพาะตัวเลข"), [this] { openNumberLimits(); });
    add(setup, QStringLiteral("14.แจ้งเตือนเลขปิดรับและเลขเฝ้าระวัง"), [this] { openClosedNumbers(); });
    add(setup, QStringLiteral("15.การตัดยอดเกินอั้น แบบอัตโนมัติ"), [this] {
        if (askSecret(QStringLiteral("ป้อนรหัสผ่านเพื่อตั้งค่า"), defaults::setupPassword(),
                      QStringLiteral("passwordไม่ถูกต้อง")))
            openSingle<Tautocut>();
    });
    add(setup, QStringLiteral("16.การส่งข้อมูลไปServerอัตโนมัติ"), [this] { openSingle<Tautosent>(); });
    rows.last().enabled = run().isStation();
    add(setup, QStringLiteral("17.Limitการป้อนตัวเลข"), [this] { setInputLimit(); });
    add(setup, QStringLiteral("18.Loadข้อมูลการตั้งค่า"), [this] { openLoadSettings(); });

    const QString totals = QStringLiteral("(3)แสดงยอด");
    // The totals views by kind, from their table.
    auto view = [this](const totals::View* v, totals::Mode viewMode = totals::Mode::all,
                       bool sorted = false) -> std::function<void()> {
        const QString name = QLatin1String(v->className);
        return [this, name, viewMode, sorted] { totals::show(desk(), name, viewMode, sorted); };
    };
    const QStringList byNumber = {totals, QStringLiteral("1.ยอดปัจจุบันเรียงตามเลข")};
    add(byNumber, QStringLiteral("3ตัวบน+โต๊ด"), view(totals::view(QStringLiteral("Tshowht3"))));
    for (Kind kind : listingOrder())
        add(byNumber, menuCaption(kind, mode), view(totals::viewOf(kind, totals::Order::byNumber)));
    const QStringList byAmount = {totals, QStringLiteral("2.ยอดปัจจุบันเรียงตามจำนวน")};
    const Kind sortedKinds[] = {Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::l2, Kind::t2};
    const QStringList sortedCaptions = {QStringLiteral("3ตัวบน"),  QStringLiteral("3ตัวโต๊ด"),
                                        QStringLiteral("3ตัวล่าง"), QStringLiteral("2ตัวบน"),
                                        QStringLiteral("2ตัวล่าง"), menuCaption(Kind::t2, mode)};
    for (int i = 0; i < sortedCaptions.size(); ++i)
        add(byAmount, sortedCaptions[i],
            view(totals::viewOf(sortedKinds[i], totals::Order::byAmount)));
    // Head names replace the group names in naming mode 1; mode 0 hides the head names. The
    // group views keep their source and are sorted by amount.
    const totals::View* h4 = totals::viewOf(Kind::h4, totals::Order::byNumber);
    const totals::View* h5 = totals::viewOf(Kind::h5, totals::Order::byNumber);
    rows.push_back(
        {byAmount, QStringLiteral("หัว3ตัว"), view(h5, totals::Mode::all, true), mode == 1});
    rows.push_back(
        {byAmount, QStringLiteral("หัว3ตัวโต๊ด"), view(h4, totals::Mode::all, true), mode != 0});
    rows.push_back(
        {byAmount, QStringLiteral("กลุ่ม4ตัว"), view(h4, totals::Mode::all, true), mode != 1});
    rows.push_back(
        {byAmount, QStringLiteral("กลุ่ม5ตัว"), view(h5, totals::Mode::all, true), mode != 1});
    add({totals}, QStringLiteral("3.ยอดรวมแยกตามชื่อ"), [this] { openSingle<Tselectcus>(); });
    add({totals}, QStringLiteral("4.ยอดหักเปอร์เซ็นต์"), [this] { openSingle<Tpercent>(); });
    add({totals}, QStringLiteral("5.ยอดบัญชีรวมแบบแยกรายชื่อ"), [this] { openSingle<Tcusaccount>(); });
    const QStringList pairs = {QStringLiteral("3ตัวบน+โต๊ด"), QStringLiteral("2ตัวบน+ล่าง")};
    const QStringList kept = {totals, QStringLiteral("6.ยอดตัดเก็บล่าสุด")};
    add(kept, pairs[0], [this] { keptpairs::show(desk(), keptpairs::Pair::topTod3); });
    add(kept, pairs[1], [this] { keptpairs::show(desk(), keptpairs::Pair::topBottom2); });
    const QStringList latestSent = {totals, QStringLiteral("7.ยอดส่งออกล่าสุด")};
    add(latestSent, pairs[0], [this] {
        keptpairs::show(desk(), keptpairs::Pair::topTod3, keptpairs::Source::sent);
    });
    add(latestSent, pairs[1], [this] {
        keptpairs::show(desk(), keptpairs::Pair::topBottom2, keptpairs::Source::sent);
    });
    for (Kind kind : listingOrder()) {
        add(kept, menuCaption(kind, mode), [this, kind] { Tfmshowcut(desk()).showKept(kind); });
        add(latestSent, menuCaption(kind, mode),
            [this, kind] { Tfmshowcut(desk()).showSent(kind, false, false); });
    }
    // The deduct-out window in one of its modes; an open one gives way to the mode asked.
    auto deductOut = [this](Tfmcut2::Mode windowMode) -> std::function<void()> {
        return [this, windowMode] {
            for (QMdiSubWindow* window : mdi_->subWindowList()) {
                if (auto* open = qobject_cast<Tfmcut2*>(window->widget())) {
                    if (open->mode() == windowMode) {
                        mdi_->setActiveSubWindow(window);
                        return;
                    }
                    window->close();
                }
            }
            if (windowMode == Tfmcut2::Mode::cut &&
                !copyBeforeWork(desk(), this, QStringLiteral("N"), QStringLiteral("ตัดยอด")))
                return;
            if (QMdiSubWindow* window =
                    addWindow([this, windowMode] { return new Tfmcut2(*desk_, windowMode); })) {
                if (windowMode == Tfmcut2::Mode::log)
                    window->showMaximized();
                else
                    showCentred(window);
            }
        };
    };
    // With the automatic cut on, its sent list takes the place of the other two.
    const bool autoCut = autoCutOn();
    rows.push_back({{totals},
                    QStringLiteral("8.ยอดส่งจากการตัดแบบหักออก"),
                    deductOut(Tfmcut2::Mode::log),
                    !autoCut});
    rows.push_back({{totals},
                    QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"),
                    [this] { openSingle<Tcutover>(true); },
                    !autoCut});
    rows.push_back({{totals},
                    QStringLiteral("10.ยอดส่ง จากการตัดยอดเกิน แบบอัตโนมัติ"),
                    [this] { cutlog::showCumulative(desk()); },
                    autoCut});
    add({totals}, QStringLiteral("11.ลำดับการป้อน(รวม)"),
        [this] { customerviews::showBookOrder(desk()); });
    add({totals}, QStringLiteral("12.ลำดับการป้อน(แยกตามชื่อ)"),
        [this] { openSingle<Tformallbycus>(); });
    rows.push_back({{totals},
                    QStringLiteral("13.ข้อมูลทั้งหมดที่ส่งไปServer"),
                    [this] { customerviews::showSentOrder(desk()); },
                    run().isStation()});
    auto everybody = [this](customerviews::Source source) {
        return [this, source] {
            if (QMdiSubWindow* window =
                    addWindow([this, source] { return new Tallinput(*desk_, source); }))
                showCentred(window);
        };
    };
    add({totals}, QStringLiteral("14.ข้อมูลทั้งหมดที่ป้อน"), everybody(customerviews::Source::entered));
    add({totals}, QStringLiteral("15.ยอดคงเหลือปัจจุบัน"), everybody(customerviews::Source::remaining));
    add({totals}, QStringLiteral("16.แสดงเลขปัจจุบันที่มียอดซื้อสูงสุด"), [this] { openSingle<Treal>(); });
    // The limited-number views keep the group names of t2 in every naming mode.
    const QStringList limited = {QStringLiteral("3ตัวบน"),  QStringLiteral("3ตัวโต๊ด"),
                                 QStringLiteral("3ตัวล่าง"), QStringLiteral("2ตัวบน"),
                                 QStringLiteral("2ตัวล่าง"), menuCaption(Kind::t2, 0)};
    for (int i = 0; i < limited.size(); ++i) {
        const totals::View* v = totals::viewOf(sortedKinds[i], totals::Order::byNumber);
        add({totals, QStringLiteral("17.แสดงยอดเลขอั้นปัจจุบัน")}, limited[i],
            view(v, totals::Mode::limited));
        add({totals, QStringLiteral("18.แสดงยอดเลขอั้นที่ส่ง ล่าสุด")}, limited[i],
            view(v, totals::Mode::sent));
    }
    add({totals}, QStringLiteral("งวดที่ผ่านมา"), [this] { openPastDraws(); });

    const QStringList excel = {QStringLiteral("(4)แสดงยอดExcel")};
    add(excel, QStringLiteral("แสดงยอดปัจจุบัน"), [this] { openSingle<Texcelnow>(); });
    add(excel, QStringLiteral("แสดงยอดเก็บล่าสุด"), [this] { openSingle<Texportcut>(); });
    add(excel, QStringLiteral("แสดงยอดส่งออกล่าสุด"), [this] { openSingle<Texport2>(); });
    add(excel, QStringLiteral("แสดงยอดลำดับการป้อน"), [this] { openSingle<Tlogexcel>(); });
    const QStringList find = {QStringLiteral("(5)ค้นหา")};
    add(find, QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข"), [this] { openSingle<Tfindcus>(); });
    add(find, QStringLiteral("ค้นหาตัวเลขซ้ำซ้อน"), [this] { openSingle<Tfindnumber>(); });
    add({QStringLiteral("(6)เพิ่มและส่งออกMsAccess")}, QStringLiteral("รับยอดและส่งออกยอดเกิน"),
        [this] { openSingle<Tsentdb>(); });

    const QString cut = QStringLiteral("(7)การตัดยอด");
    add({cut}, QStringLiteral("ตัดยอด+วิเคราะห์+คำนวณยอดเพิ่มทุน"), [this] { openSingle<Tfmcut>(); });
    const QStringList deduct = {cut, QStringLiteral("ตัดยอดแบบหักออก")};
    add(deduct, QStringLiteral("ตัดยอดแบบหักออก"), deductOut(Tfmcut2::Mode::cut));
    add(deduct, QStringLiteral("คืนค่าการตัดยอดแบบหักออก"), deductOut(Tfmcut2::Mode::coloredLog));
    const QStringList byLimit = {cut, QStringLiteral("ตัดยอดเกินตามค่าอั้น")};
    add(byLimit, QStringLiteral("ตัดยอด"), [this] { toggleMenuCut(); });
    add(byLimit, QStringLiteral("ปรับยอดส่งให้เหลือ 50%"),
        [this] { cutcommands::halveLatestSent(desk(), this); });
    add(byLimit, QStringLiteral("คืนค่าการตัดยอดแบบเกินอั้น"), [this] { openSingle<Tcutover>(true); });
    // Each spreading first makes its numbered copy, then opens its window.
    const QStringList spreading = {cut, QStringLiteral("การกระจายตัวเลข")};
    auto spreadRow = [&](spread::Conversion conversion, auto* window) {
        using Window = std::remove_pointer_t<decltype(window)>;
        const spread::ConversionInfo& info = spread::infoOf(conversion);
        const QString prefix = QString::fromLatin1(info.copyPrefix);
        add(spreading, QString::fromUtf8(info.menuCaption), [this, prefix] {
            if (copyBeforeWork(desk(), this, prefix, QStringLiteral("กระจายตัวเลข")))
                openSingle<Window>();
        });
    };
    spreadRow(spread::Conversion::todToTop, static_cast<Tinverttot*>(nullptr));
    spreadRow(spread::Conversion::topToTod, static_cast<Tinvert6tot*>(nullptr));
    spreadRow(spread::Conversion::runToTop, static_cast<Th1toh3*>(nullptr));
    spreadRow(spread::Conversion::twoToTop, static_cast<Tinvert2h*>(nullptr));
    spreadRow(spread::Conversion::fourToTod, static_cast<Tinvert4h23t*>(nullptr));
    spreadRow(spread::Conversion::fiveToTod, static_cast<Tinvert5h*>(nullptr));
    spreadRow(spread::Conversion::runToTwo, static_cast<Tl1tol2*>(nullptr));
    add({cut, QStringLiteral("รวมกลุ่มตัวโต๊ด")}, QStringLiteral("รวมกลุ่ม3ตัวโต๊ด"), [this] {
        if (copyBeforeWork(desk(), this, QStringLiteral("T3S"), QStringLiteral("รวมกลุ่มตัวโต๊ด")))
            openSingle<Tsumtot>();
    });

    const QStringList removal = {QStringLiteral("(8)ลบข้อมูล")};
    add(removal, QStringLiteral("ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่"), [this] {
        if (askCode())
            openSingle<Tstartover>();
    });
    add(removal, QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสม"),
        [this] { cutcommands::deleteLog(desk(), this); });
    add(removal, QStringLiteral("ลบข้อมูลตามเงื่อนไข"), [this] {
        openAfterCopy(QStringLiteral("D"), QStringLiteral("ลบข้อมูล"),
                      [this] { openSingle<Tdeloption>(); });
    });

    const QStringList care = {QStringLiteral("(9)การบำรุงรักษา")};
    add(care, QStringLiteral("Repair_Server"),
        [this] { startTool(QStringLiteral("db/repair"), true); });
    add(care, QStringLiteral("Restart_Server"), [this] { restartServer(); });
    add(care, QStringLiteral("Backupและนำเข้าฐานข้อมูล"), [this] {
        if (startTool(QStringLiteral("backup"), false))
            closeWithoutAsking();
    });
    add(care, QStringLiteral("แสดงฐานข้อมูลสำรอง"),
        [this] { startTool(QStringLiteral("backupbrowser"), true); });
    add(care, QStringLiteral("แสดงอุปกรณ์การเชื่อมต่อ Ctrl+N"), [this] { openNetworkPanel(); });
    add(care, QStringLiteral("ถ่ายโอนข้อมูลสำรองไปที่ข้อมูลประมวลผล"),
        [this] { maintenancecommands::rebuildFromEntered(desk(), this); });
    add(care, QStringLiteral("Loadข้อมูลทั้งหมดที่ส่งไปServerเข้าตารางประมวลผล"),
        [this] { loadSentRows(); });
    rows.last().enabled = run().isStation();
    add(care, QStringLiteral("ปรับปรุงตารางข้อมูล"), [this] {
        openAfterCopy(QStringLiteral("U"), QStringLiteral("ปรับปรุงตารางข้อมูล"),
                      [this] { openSingle<Tupdateform>(); });
    });

    const QStringList help = {QStringLiteral("(11)ช่วยเหลือ")};
    add(help, QStringLiteral("อ่านคู่มือเมนู All in one"),
        [folder] { Platform::instance().openWithShell(folder + QStringLiteral("all.htm")); });
    // The vendor's downloads need Windows' shell; the copies on the vendor's server are not
    // reachable from here.
    for (const char* caption : {"Downloadคู่มือการใช้งาน", "Downloadคู่มือการตั้งค่าระบบLan WinXp",
                                "Downloadคู่มือการตั้งค่าระบบLan Win7"})
        add(help, QString::fromUtf8(caption), [this] { unsupported(); });
    add(help, QStringLiteral("Loadตัวอย่างตารางข้อมูล"), [this] { loadSampleData(); });
    addLater(rows, help, {QStringLiteral("สำรองโปรแกรมลงUSB")});
    add(help, QStringLiteral("Remoteสอนการใช้งานผ่านinternet1"),
        [this] { startTool(QStringLiteral("AA_v3.exe"), false); });
    add(help, QStringLiteral("Remoteสอนการใช้งานผ่านinternet2"),
        [this] { tools::openTeamViewer(this, *desk_); });
    add(help, QStringLiteral("เปิดFolderฐานข้อมูล Ctrl+D"), [this] { openProgramFolder(true); });
    add(help, QStringLiteral("ทดสอบระบบเครือข่าย"), [this] { testNetwork(); });
    rows.last().enabled = run().isStation();
    addLater(rows, help, {QStringLiteral("Ping_Network")});
    add(help, QStringLiteral("ค้นหาเครื่องServer"), [this] { findServer(); });
    add(help, QStringLiteral("Windows7_Setupserver"), [this] { openProgramFolder(true); });
    add(help, QStringLiteral("Windowsxp_StartServer1"),
        [this] { startTool(QStringLiteral("startserver1"), false); });
    add(help, QStringLiteral("Windowsxp_StartServer2"),
        [this] { startTool(QStringLiteral("startserver2"), false); });
    add(help, QStringLiteral("Windowsxp_RestartServer"),
        [this] { startTool(QStringLiteral("restartserver"), false); });
    add(help, QStringLiteral("แก้ไขปัญหาFont"), [this] { fixThaiFont(false); });

    const QStringList update = {QStringLiteral("(12)updateโปรแกรม")};
    add(update, QStringLiteral("updateอัตโนมัติ"), [this] {
        if (startTool(QStringLiteral("updater"), false))
            closeWithoutAsking();
    });
    add(update, QStringLiteral("updateฐานข้อมูล"), [this] { unsupported(); });
    add(update, QStringLiteral("RepairFont"), [this] {
        if (fixThaiFont(false))
            sayChange(Platform::instance().restartComputer(), QString());
    });

    // The pop-up menu.
    auto popup = [&rows](const QString& caption, std::function<void()> run,
                         bool separated = false) {
        Command command{{}, caption, std::move(run)};
        command.separatorBefore = separated;
        rows.push_back(command);
    };
    popup(QStringLiteral("(1) ออกจากโปรแกรม"), [this] { close(); });
    popup(
        QStringLiteral("(2) Edit-Font-Thai"), [this] { fixThaiFont(true); }, true);
    popup(QStringLiteral("(3) Setup-Printer"), {});
    popup(QStringLiteral("(4) Reset-to-Server"), [this] { resetToServer(); });
    popup(QStringLiteral("(5) Reset-to-Lan"), [this] { resetToLan(); });
    rows.last().enabled =
        !stationsetup::isServerName(run().computerName);
    popup(QStringLiteral("(6) Reset-Ip-Address"), [this] { resetAddress(); });
    popup(QStringLiteral("(7) ตั้งค่า-Ip-Adress"), [this] { askAddress(); });
    popup(QStringLiteral("(8) Set-computer-name"), [this] { setComputerName(); });
    popup(
        QStringLiteral("(9) ปิดคำเตือนการถ่ายโอน"), [this] { stopWarnings(); }, true);
    popup(QStringLiteral("(10) Lanedit"), [this] { openNetworkPanel(); });
    popup(
        QStringLiteral("(11) แยกกลุ่มตัวโต๊ด"), [this] { setDigitSorting(true); }, true);
    popup(QStringLiteral("(12)รวมกลุ่มตัวโต๊ด"), [this] { setDigitSorting(false); });
    popup(
        QStringLiteral("(13) Run 00-99 บน"), [this] { runNumbers(Kind::h2); }, true);
    popup(QStringLiteral("(14) Run 00-99 ล่าง"), [this] { runNumbers(Kind::l2); });
    return rows;
}

void Tmain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setLayoutDirection(Qt::RightToLeft);
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    // Menus by their path, made as the table first names them.
    QHash<QString, QMenu*> menus;
    auto menuOf = [&](const QStringList& path) {
        QMenu* menu = nullptr;
        for (int depth = 1; depth <= path.size(); ++depth) {
            const QString key = path.mid(0, depth).join(QLatin1Char('|'));
            QMenu*& known = menus[key];
            if (!known)
                known = menu ? menu->addMenu(path.at(depth - 1)) : bar->addMenu(path.at(depth - 1));
            menu = known;
        }
        return menu;
    };
    for (const Command& command : commands()) {
        QMenu* menu = command.menu.isEmpty() ? popup_ : menuOf(command.menu);
        if (command.separatorBefore)
            menu->addSeparator();
        QAction* action = menu->addAction(command.caption);
        action->setVisible(command.visible);
        if (!command.run) {
            action->setEnabled(false);
            action->setToolTip(QString::fromUtf8(kLater));
            continue;
        }
        action->setEnabled(command.enabled);
        connect(action, &QAction::triggered, this, command.run);
    }
}

void Tmain::rebuildMenus() {
    const QList<QMenu*> menus =
        menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    qDeleteAll(menus);
    delete popup_;
    popup_ = nullptr;
    buildMenus();
}

template <typename Window> void Tmain::openSingle(bool maximised) {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (qobject_cast<Window*>(window->widget())) {
            mdi_->setActiveSubWindow(window);
            return;
        }
    }
    if (QMdiSubWindow* window = addWindow([this] { return new Window(*desk_); })) {
        if (maximised)
            window->showMaximized();
        else
            showCentred(window);
    }
}

void Tmain::openAfterCopy(const QString& prefix, const QString& action,
                          const std::function<void()>& open) {
    CopyResult copy;
    try {
        Backups backups = desk().backups();
        copy = backups.numberedCopy(prefix);
    } catch (const StoreError& error) {
        copy.detail = error.message();
    }
    if (goOnAfterCopy(desk(), this, copy, action))
        open();
}

bool Tmain::autoCutOn() {
    // A station never cuts by itself, and its menus do not wait for the server.
    if (run().isStation())
        return false;
    try {
        return autocut::read(*desk().openShared()).on;
    } catch (const StoreError&) {
        return false;
    }
}

void Tmain::toggleMenuCut() {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (qobject_cast<Tcutend*>(window->widget())) {
            window->close();
            return;
        }
    }
    openSingle<Tcutend>();
}

void Tmain::openRates() {
    openSingle<Tchange>();
}
void Tmain::openKindLimits() {
    openSingle<Tcu3>();
}
void Tmain::openCustomers() {
    openSingle<Tcuss>();
}
void Tmain::openCustomerRates() {
    openSingle<Tcuschange>();
}
void Tmain::openCheckByCustomer() {
    openSingle<Tcheckbycus>(true);
}
void Tmain::openNumberLimits() {
    openSingle<Tnumlimitf>();
}
void Tmain::openClosedNumbers() {
    openSingle<Tnumlimitf2>();
}

void Tmain::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_ && isEnabled())
        popup_->popup(event->globalPos());
}
