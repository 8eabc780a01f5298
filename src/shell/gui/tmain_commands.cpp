// The main window's menus, its pop-up menu and the commands it does itself.

#include "cutting/gui/tcu3.h"
#include "cutting/gui/tnumlimitf.h"
#include "cutting/gui/tnumlimitf2.h"
#include "entry/gui/tfminput.h"
#include "entry/recorder.h"
#include "platform/platform.h"
#include "settlement/gui/tchange.h"
#include "settlement/gui/tcuschange.h"
#include "settlement/gui/tcuss.h"
#include "shell/gui/tmain.h"
#include "shell/settings.h"
#include "store/database.h"
#include "store/defaults.h"
#include "ui/dialogs.h"
#include "ui/kindcaptions.h"

#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
// A command whose window is not built yet shows, but cannot be used.
QAction* later(QMenu* menu, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setEnabled(false);
    action->setToolTip(QStringLiteral("ยังไม่มีในรุ่นนี้"));
    return action;
}

void laterAll(QMenu* menu, const QStringList& captions) {
    for (const QString& caption : captions)
        later(menu, caption);
}

QStringList kindCommands(int mode, bool withCombined) {
    QStringList captions;
    if (withCombined)
        captions << QStringLiteral("3ตัวบน+โต๊ด");
    for (Kind kind : listingOrder())
        captions << menuCaption(kind, mode);
    return captions;
}
} // namespace

void Tmain::buildMenus() {
    const int mode = run_.kindNamingMode;
    QMenuBar* bar = menuBar();
    bar->setLayoutDirection(Qt::RightToLeft);

    QMenu* entry = bar->addMenu(QStringLiteral("(1)ป้อนข้อมูล"));
    entry->addAction(QStringLiteral("ป้อนข้อมูล"), this, &Tmain::openEntryForm);
    laterAll(entry, {QStringLiteral("นำเข้าข้อมูลจากตารางExcel"), QStringLiteral("เพิ่มข้อมูลจากMsAccess"),
                     QStringLiteral("เพิ่มข้อมูลจากโปรแกรม Line"), QStringLiteral("สร้างรหัสสำหรับโปรแกรมLine")});

    QMenu* setup = bar->addMenu(QStringLiteral("(2)ตั้งค่า"));
    setup->addAction(QStringLiteral("1.ServerSetup-step1  (XP)"), this, &Tmain::unsupported);
    later(setup, QStringLiteral("2.ServerSetup-step2  (XP)"));
    setup->addAction(QStringLiteral("3.การแสดงเมนูป้อนข้อมูล"), this, &Tmain::openMenuSetup);
    setup->addAction(QStringLiteral("4.ตั้งอัตราการจ่ายแบบรวม"), this, &Tmain::openRates);
    setup->addAction(QStringLiteral("5.ตั้งอัตราการจ่ายแบบแยกชื่อ"), this, &Tmain::openCustomerRates);
    laterAll(setup, {QStringLiteral("6.ตรวจรางวัล"), QStringLiteral("7.ระบบการป้อน")});
    setup->addAction(QStringLiteral("8.ข้อมูลลูกค้า"), this, &Tmain::openCustomers);
    setup->addAction(QStringLiteral("9.เปลี่ยนรหัสผ่าน"), this, &Tmain::openChangePassword);
    setup->addAction(QStringLiteral("10.Ip-Address"), this, &Tmain::setFixedAddress);
    setup->addAction(QStringLiteral("11.เปิดการRefressข้อมูล"), this, &Tmain::switchRefresh);
    setup->addAction(QStringLiteral("12.การอั้นแบบรวม"), this, &Tmain::openKindLimits);
    setup->addAction(QStringLiteral("13.การอั้นเลขเฉพาะตัวเลข"), this, &Tmain::openNumberLimits);
    setup->addAction(QStringLiteral("14.แจ้งเตือนเลขปิดรับและเลขเฝ้าระวัง"), this, &Tmain::openClosedNumbers);
    laterAll(setup, {QStringLiteral("15.การตัดยอดเกินอั้น แบบอัตโนมัติ"),
                     QStringLiteral("16.การส่งข้อมูลไปServerอัตโนมัติ")});
    setup->addAction(QStringLiteral("17.Limitการป้อนตัวเลข"), this, &Tmain::setInputLimit);
    setup->addAction(QStringLiteral("18.Loadข้อมูลการตั้งค่า"), this, &Tmain::openLoadSettings);

    QMenu* totals = bar->addMenu(QStringLiteral("(3)แสดงยอด"));
    laterAll(totals->addMenu(QStringLiteral("1.ยอดปัจจุบันเรียงตามเลข")), kindCommands(mode, true));
    QMenu* byAmount = totals->addMenu(QStringLiteral("2.ยอดปัจจุบันเรียงตามจำนวน"));
    laterAll(byAmount, {QStringLiteral("3ตัวบน"), QStringLiteral("3ตัวโต๊ด"), QStringLiteral("3ตัวล่าง"),
                        QStringLiteral("2ตัวบน"), QStringLiteral("2ตัวล่าง"), menuCaption(Kind::t2, mode)});
    // Head names replace the group names in naming mode 1; mode 0 hides the head names.
    later(byAmount, QStringLiteral("หัว3ตัว"))->setVisible(mode == 1);
    later(byAmount, QStringLiteral("หัว3ตัวโต๊ด"))->setVisible(mode != 0);
    later(byAmount, QStringLiteral("กลุ่ม4ตัว"))->setVisible(mode != 1);
    later(byAmount, QStringLiteral("กลุ่ม5ตัว"))->setVisible(mode != 1);
    laterAll(totals, {QStringLiteral("3.ยอดรวมแยกตามชื่อ"), QStringLiteral("4.ยอดหักเปอร์เซ็นต์"),
                      QStringLiteral("5.ยอดบัญชีรวมแบบแยกรายชื่อ")});
    QMenu* kept = totals->addMenu(QStringLiteral("6.ยอดตัดเก็บล่าสุด"));
    laterAll(kept, QStringList{QStringLiteral("3ตัวบน+โต๊ด"), QStringLiteral("2ตัวบน+ล่าง")} +
                       kindCommands(mode, false));
    QMenu* sent = totals->addMenu(QStringLiteral("7.ยอดส่งออกล่าสุด"));
    laterAll(sent, QStringList{QStringLiteral("3ตัวบน+โต๊ด"), QStringLiteral("2ตัวบน+ล่าง")} +
                       kindCommands(mode, false));
    laterAll(totals, {QStringLiteral("8.ยอดส่งจากการตัดแบบหักออก"),
                      QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"),
                      QStringLiteral("10.ยอดส่ง จากการตัดยอดเกิน แบบอัตโนมัติ"),
                      QStringLiteral("11.ลำดับการป้อน(รวม)"), QStringLiteral("12.ลำดับการป้อน(แยกตามชื่อ)")});
    later(totals, QStringLiteral("13.ข้อมูลทั้งหมดที่ส่งไปServer"))->setVisible(run_.tran == QLatin1String("1"));
    laterAll(totals, {QStringLiteral("14.ข้อมูลทั้งหมดที่ป้อน"), QStringLiteral("15.ยอดคงเหลือปัจจุบัน"),
                      QStringLiteral("16.แสดงเลขปัจจุบันที่มียอดซื้อสูงสุด")});
    const QStringList limited = {QStringLiteral("3ตัวบน"), QStringLiteral("3ตัวโต๊ด"), QStringLiteral("3ตัวล่าง"),
                                 QStringLiteral("2ตัวบน"), QStringLiteral("2ตัวล่าง"), menuCaption(Kind::t2, mode)};
    laterAll(totals->addMenu(QStringLiteral("17.แสดงยอดเลขอั้นปัจจุบัน")), limited);
    laterAll(totals->addMenu(QStringLiteral("18.แสดงยอดเลขอั้นที่ส่ง ล่าสุด")), limited);

    laterAll(bar->addMenu(QStringLiteral("(4)แสดงยอดExcel")),
             {QStringLiteral("แสดงยอดปัจจุบัน"), QStringLiteral("แสดงยอดเก็บล่าสุด"),
              QStringLiteral("แสดงยอดส่งออกล่าสุด"), QStringLiteral("แสดงยอดลำดับการป้อน")});
    laterAll(bar->addMenu(QStringLiteral("(5)ค้นหา")),
             {QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข"), QStringLiteral("ค้นหาตัวเลขซ้ำซ้อน")});
    laterAll(bar->addMenu(QStringLiteral("(6)เพิ่มและส่งออกMsAccess")), {QStringLiteral("รับยอดและส่งออกยอดเกิน")});

    QMenu* cut = bar->addMenu(QStringLiteral("(7)การตัดยอด"));
    later(cut, QStringLiteral("ตัดยอด+วิเคราะห์+คำนวณยอดเพิ่มทุน"));
    laterAll(cut->addMenu(QStringLiteral("ตัดยอดแบบหักออก")),
             {QStringLiteral("ตัดยอดแบบหักออก"), QStringLiteral("คืนค่าการตัดยอดแบบหักออก")});
    laterAll(cut->addMenu(QStringLiteral("ตัดยอดเกินตามค่าอั้น")),
             {QStringLiteral("ตัดยอด"), QStringLiteral("ปรับยอดส่งให้เหลือ 50%"),
              QStringLiteral("คืนค่าการตัดยอดแบบเกินอั้น")});
    laterAll(cut->addMenu(QStringLiteral("การกระจายตัวเลข")),
             {QStringLiteral("กระจายเลข3ตัวโต๊ด=>>3ตัวบน"), QStringLiteral("กระจายเลข3ตัวบน=>>3ตัวโต๊ด"),
              QStringLiteral("กระจายเลขวิ่งบน=>>3ตัวบน"), QStringLiteral("กระจาย2ตัวบน=>>3ตัวบน"),
              QStringLiteral("กระจาย4ตัว=>>3ตัวโต๊ด"), QStringLiteral("กระจาย5ตัว=>>3ตัวโต๊ด"),
              QStringLiteral("กระจายเลขวิ่งล่าง=>>2ตัวล่าง")});
    laterAll(cut->addMenu(QStringLiteral("รวมกลุ่มตัวโต๊ด")), {QStringLiteral("รวมกลุ่ม3ตัวโต๊ด")});

    laterAll(bar->addMenu(QStringLiteral("(8)ลบข้อมูล")),
             {QStringLiteral("ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่"), QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสม"),
              QStringLiteral("ลบข้อมูลตามเงื่อนไข")});

    QMenu* care = bar->addMenu(QStringLiteral("(9)การบำรุงรักษา"));
    care->addAction(QStringLiteral("Repair_Server"), this,
                    [this] { startTool(QStringLiteral("db/repair"), true); });
    later(care, QStringLiteral("Restart_Server"));
    care->addAction(QStringLiteral("Backupและนำเข้าฐานข้อมูล"), this, [this] {
        if (startTool(QStringLiteral("backup"), false))
            closeWithoutAsking();
    });
    care->addAction(QStringLiteral("แสดงฐานข้อมูลสำรอง"), this,
                    [this] { startTool(QStringLiteral("backupbrowser"), true); });
    care->addAction(QStringLiteral("แสดงอุปกรณ์การเชื่อมต่อ Ctrl+N"), this, &Tmain::openNetworkPanel);
    laterAll(care, {QStringLiteral("ถ่ายโอนข้อมูลสำรองไปที่ข้อมูลประมวลผล"),
              QStringLiteral("Loadข้อมูลทั้งหมดที่ส่งไปServerเข้าตารางประมวลผล"),
              QStringLiteral("ปรับปรุงตารางข้อมูล")});

    QMenu* help = bar->addMenu(QStringLiteral("(11)ช่วยเหลือ"));
    help->addAction(QStringLiteral("อ่านคู่มือเมนู All in one"), this, [this] {
        Platform::instance().openWithShell(run_.programFolder + QStringLiteral("all.htm"));
    });
    // The vendor's downloads need Windows' shell; the copies on the vendor's server are not
    // reachable from here.
    for (const char* caption : {"Downloadคู่มือการใช้งาน", "Downloadคู่มือการตั้งค่าระบบLan WinXp",
                                "Downloadคู่มือการตั้งค่าระบบLan Win7"})
        help->addAction(QString::fromUtf8(caption), this, &Tmain::unsupported);
    help->addAction(QStringLiteral("Loadตัวอย่างตารางข้อมูล"), this, &Tmain::loadSampleData);
    later(help, QStringLiteral("สำรองโปรแกรมลงUSB"));
    help->addAction(QStringLiteral("Remoteสอนการใช้งานผ่านinternet1"), this,
                    [this] { startTool(QStringLiteral("AA_v3.exe"), false); });
    help->addAction(QStringLiteral("Remoteสอนการใช้งานผ่านinternet2"), this, &Tmain::openTeamViewer);
    help->addAction(QStringLiteral("เปิดFolderฐานข้อมูล Ctrl+D"), this, [this] { openProgramFolder(true); });
    later(help, QStringLiteral("ทดสอบระบบเครือข่าย"));
    later(help, QStringLiteral("Ping_Network"));
    help->addAction(QStringLiteral("ค้นหาเครื่องServer"), this, &Tmain::findServer);
    help->addAction(QStringLiteral("Windows7_Setupserver"), this, [this] { openProgramFolder(true); });
    help->addAction(QStringLiteral("Windowsxp_StartServer1"), this,
                    [this] { startTool(QStringLiteral("startserver1"), false); });
    help->addAction(QStringLiteral("Windowsxp_StartServer2"), this,
                    [this] { startTool(QStringLiteral("startserver2"), false); });
    help->addAction(QStringLiteral("Windowsxp_RestartServer"), this,
                    [this] { startTool(QStringLiteral("restartserver"), false); });
    help->addAction(QStringLiteral("แก้ไขปัญหาFont"), this, [this] { fixThaiFont(false); });
    QMenu* update = bar->addMenu(QStringLiteral("(12)updateโปรแกรม"));
    update->addAction(QStringLiteral("updateอัตโนมัติ"), this, [this] {
        if (startTool(QStringLiteral("updater"), false))
            closeWithoutAsking();
    });
    update->addAction(QStringLiteral("updateฐานข้อมูล"), this, &Tmain::unsupported);
    update->addAction(QStringLiteral("RepairFont"), this, [this] {
        if (fixThaiFont(false))
            Platform::instance().restartComputer();
    });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    popup_->addAction(QStringLiteral("(1) ออกจากโปรแกรม"), this, [this] { close(); });
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("(2) Edit-Font-Thai"), this, [this] { fixThaiFont(true); });
    later(popup_, QStringLiteral("(3) Setup-Printer"));
    popup_->addAction(QStringLiteral("(4) Reset-to-Server"), this, &Tmain::resetToServer);
    popup_->addAction(QStringLiteral("(5) Reset-to-Lan"), this, &Tmain::resetToLan)
        ->setEnabled(run_.computerName.compare(QLatin1String("server"), Qt::CaseInsensitive) != 0);
    popup_->addAction(QStringLiteral("(6) Reset-Ip-Address"), this, &Tmain::resetAddress);
    popup_->addAction(QStringLiteral("(7) ตั้งค่า-Ip-Adress"), this, &Tmain::askAddress);
    popup_->addAction(QStringLiteral("(8) Set-computer-name"), this, &Tmain::setComputerName);
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("(9) ปิดคำเตือนการถ่ายโอน"), this, &Tmain::stopWarnings);
    popup_->addAction(QStringLiteral("(10) Lanedit"), this, [this] {
        Platform::instance().showFolderProperties(run_.programFolder + QStringLiteral("db"));
    });
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("(11) แยกกลุ่มตัวโต๊ด"), this, [this] { setDigitSorting(true); });
    popup_->addAction(QStringLiteral("(12)รวมกลุ่มตัวโต๊ด"), this, [this] { setDigitSorting(false); });
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("(13) Run 00-99 บน"), this, [this] { runNumbers(Kind::h2); });
    popup_->addAction(QStringLiteral("(14) Run 00-99 ล่าง"), this, [this] { runNumbers(Kind::l2); });
}

void Tmain::setKindNamingMode(int mode) {
    if (mode == run_.kindNamingMode)
        return;
    run_.kindNamingMode = mode;
    const QList<QMenu*> menus = menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    qDeleteAll(menus);
    delete popup_;
    popup_ = nullptr;
    buildMenus();
}

template <typename Window> void Tmain::openSingle() {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (qobject_cast<Window*>(window->widget())) {
            mdi_->setActiveSubWindow(window);
            return;
        }
    }
    QMdiSubWindow* window = addWindow([this] { return new Window(this); });
    if (!window)
        return;
    window->showNormal();
    window->adjustSize();
    window->move(qMax(0, (mdi_->width() - window->width()) / 2),
                 qMax(0, (mdi_->height() - window->height()) / 2));
}

void Tmain::openRates() { openSingle<Tchange>(); }
void Tmain::openKindLimits() { openSingle<Tcu3>(); }
void Tmain::openCustomers() { openSingle<Tcuss>(); }
void Tmain::openCustomerRates() { openSingle<Tcuschange>(); }
void Tmain::openNumberLimits() { openSingle<Tnumlimitf>(); }
void Tmain::openClosedNumbers() { openSingle<Tnumlimitf2>(); }

void Tmain::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_ && isEnabled())
        popup_->popup(event->globalPos());
}

bool Tmain::askSecret(const QString& prompt, const QString& secret, const QString& wrong) {
    bool ok = false;
    const QString typed = Dialogs::input(this, prompt, prompt, QStringLiteral("****"), &ok);
    if (!ok)
        return false;
    if (typed != secret) {
        Dialogs::info(this, wrong);
        return false;
    }
    return true;
}

void Tmain::runNumbers(Kind kind) {
    Tfminput* form = entryForm();
    if (!form) {
        Dialogs::warning(this, QStringLiteral("กรุณาเปิดหน้าป้อนข้อมูลก่อน"));
        return;
    }
    bool ok = false;
    const QString text = Dialogs::input(this, QStringLiteral("ป้อนจำนวน"), QStringLiteral("ป้อนจำนวน"),
                                        QStringLiteral("0"), &ok);
    if (!ok)
        return;
    bool number = false;
    const double stake = text.trimmed().toLongLong(&number);
    if (!number) {
        Dialogs::warning(this, QStringLiteral("จำนวนต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"));
        return;
    }
    try {
        recordRun(form->bets(), kind, stake, form->customer());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    form->refreshAfterLine();
    Dialogs::info(this, kind == Kind::h2 ? QStringLiteral("  Run 00-99 บน เรียบร้อย")
                                         : QStringLiteral("  Run 00-99 ล่าง เรียบร้อย"));
}

void Tmain::loadSampleData() {
    if (!Dialogs::question(this, QStringLiteral("คุณจะloadตัวอย่างตารางข้อมูลหรือไม่ ?")))
        return;
    try {
        Tfminput* form = entryForm();
        loadSampleRows(form ? form->bets() : own());
        if (form)
            form->refreshAfterLine();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("loadตัวอย่างตารางข้อมูลเรียบร้อย"));
}

void Tmain::setInputLimit() {
    try {
        SettingsRecord settings(own());
        const int current = settings.number(InputLimit::l1);
        bool ok = false;
        const QString text = Dialogs::input(
            this, QStringLiteral("ป้อนLimitการป้อนที่ต้องการ"),
            QStringLiteral("ป้อนLimitการป้อนที่ต้องการค่าปัจจุบัน=") + QString::number(current),
            QString::number(current), &ok);
        if (!ok)
            return;
        bool number = false;
        const qlonglong limit = text.trimmed().toLongLong(&number);
        if (!number || limit < 0) {
            Dialogs::warning(this, QStringLiteral("Limitต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"));
            return;
        }
        settings.set(InputLimit::l1, QString::number(limit));
        Dialogs::info(this, QStringLiteral("ตั้งค่าLimit=") + QString::number(limit) +
                                QStringLiteral("เรียบร้อยกรุณาปิดโปรแกรมเพื่อเริ่มใช้งานค่าตัวแปรใหม่"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    closeWithoutAsking();
}

bool Tmain::askCode() {
    return askSecret(QStringLiteral("ป้อนรหัส") + defaults::fourDigitCode(), defaults::fourDigitCode(),
                     QStringLiteral("รหัสไม่ถูกต้อง"));
}

void Tmain::setDigitSorting(bool separate) {
    if (!askCode())
        return;
    try {
        SettingsRecord(own()).set(Backc::back5, separate ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    if (Tfminput* form = entryForm())
        form->setDigitSorting(separate);
    Dialogs::info(this, separate ? QStringLiteral("แยกกลุ่มตัวโต๊ด") : QStringLiteral("รวมกลุ่มตัวโต๊ด"));
}

void Tmain::switchRefresh() {
    Tfminput* form = entryForm();
    if (!form || mdi_->activeSubWindow() == nullptr || mdi_->activeSubWindow()->widget() != form)
        return;
    const bool on = Dialogs::question(this, QStringLiteral("คุณจะเปิดการRefressข้อมูลโดยอัตโนมัติหรือไม่ ?"));
    try {
        SettingsRecord(own()).set(Backc::back4, on ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tmain::stopWarnings() {
    lowDiskWarnings_ = 20;
    Dialogs::info(this, QStringLiteral("ปิดคำเตือนเรียบร้อย"));
}
