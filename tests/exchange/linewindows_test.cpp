#include "common/settings.h"
#include "exchange/gui/tcreatelineform.h"
#include "exchange/gui/tformline.h"
#include "support/entryshop.h"
#include "support/testmain.h"
#include "ui/dialogs.h"
#include "windowsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

using namespace exchangetest;
using testing::child;
using testing::runCommand;

namespace {
const QStringList kEntry = {QStringLiteral("(1)ป้อนข้อมูล")};

void click(QWidget* w, const char* name) {
    QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
}
} // namespace

class LineWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void chatLinesGoIntoTheEntryForm() {
        // Closed numbers are warned about; 815 is closed on top.
        testing::EntryShop shop([](SettingsRecord& s) {
            s.set(Backc::back23, "1");
            s.set(Disp::disp1, "1");
        });
        shop.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('815', 'h3')");
        runCommand(shop.main.get(), kEntry, "เพิ่มข้อมูลจากโปรแกรม Line");
        QPointer<Tformline> w = windowOf<Tformline>(shop.main.get());
        QVERIFY(w);
        QVERIFY(shop.form()->lineInput());
        QCOMPARE(shop.text("Label1"), QStringLiteral("Line Input "));
        QCOMPARE(SettingsRecord(shop.db()).text(Disp::disp1), QStringLiteral("0"));
        auto* box = child<QPlainTextEdit>(w, "me1");
        QCOMPARE(box->toPlainText().split('\n').size(), 20);

        box->setPlainText(
            "506-500\n815-150/0/200\nno dash here\n\n1234567-5\n๑๒ - ๕๐/๗\n258-0/20/0");
        click(w, "start");
        QVERIFY(w->importing());
        for (int i = 0; i < 10 && w->importing(); ++i)
            w->onTimer1();
        QVERIFY(!w->importing());
        const QString said = Dialogs::last().text;
        QVERIFY2(said.startsWith("โหลดข้อมูลจำนวน 6 บรรทัด  เรียบร้อย"), qPrintable(said));
        QCOMPARE(w->skipped().size(), 3);
        QVERIFY2(said.contains("815 เป็นเลขปิดรับ") && said.contains("no dash here") &&
                     said.contains("1234567-5"),
                 qPrintable(said));
        QCOMPARE(shop.book(),
                 (QStringList{"506|500|0|0|h3", "12|50|0|0|h2", "12|0|0|7|l2", "258|0|20|0|t3"}));
        QCOMPARE(shop.book("tballcus"), shop.book());
        QCOMPARE(child<QLineEdit>(w, "nump")->text(), QStringLiteral("258"));
        QCOMPARE(child<QLineEdit>(w, "n2")->text(), QStringLiteral("20"));

        // The order of three amounts is kept and shown.
        child<QCheckBox>(w, "cbtl")->setChecked(true);
        QCOMPARE(SettingsRecord(shop.db()).text(Backc::back24), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(w, "format")->text(), QStringLiteral("เลข - บน/ล่าง/โต๊ด"));
        QCOMPARE(child<QLineEdit>(w, "n3")->text(), QStringLiteral("20"));

        box->setPlainText("ตัวอย่าง 1 - 5\n");
        click(w, "check");
        QCOMPARE(box->toPlainText(), QStringLiteral("1-5\n"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("พบข้อมูล จำนวน 1 บรรทัด"));

        w->parentWidget()->close();
        settle();
        QVERIFY(!w);
        QVERIFY(!shop.form()->lineInput());
    }

    void linesWaitForTheEntryForm() {
        testing::EntryShop shop;
        runCommand(shop.main.get(), kEntry, "เพิ่มข้อมูลจากโปรแกรม Line");
        Tformline* w = windowOf<Tformline>(shop.main.get());
        shop.form()->parentWidget()->close();
        settle();
        child<QPlainTextEdit>(w, "me1")->setPlainText("12-5");
        click(w, "start");
        w->onTimer1();
        QVERIFY(!w->importing());
        QVERIFY(Dialogs::last().text.contains("กรุณาเปิดหน้าป้อนข้อมูลก่อน"));
    }

    void codesForTheChatProgram() {
        testing::EntryShop shop;
        bet(shop.db(), "815", Kind::h3, 150, "ก");
        bet(shop.db(), "12", Kind::t2, 300, "ข");
        bet(shop.db(), "34", Kind::h2, 1, "ข");
        shop.db().exec("UPDATE tball SET t = 2 WHERE num = '34'");
        runCommand(shop.main.get(), kEntry, "สร้างรหัสสำหรับโปรแกรมLine");
        Tcreatelineform* w = windowOf<Tcreatelineform>(shop.main.get());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("สร้างรหัสสำหรับส่งLine"));
        click(w, "build");
        QCOMPARE(child<QPlainTextEdit>(w, "me1")->toPlainText(),
                 QStringLiteral("815-150/0/0\n12-0/300/0"));
        QVERIFY(Dialogs::last().text.startsWith("สร้างข้อมูลจำนวน 2 บรรทัด  เรียบร้อย"));
        click(w, "copy");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("815-150/0/0\n12-0/300/0"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("Copyข้อมูลจำนวน 2 บรรทัด  เรียบร้อย"));
        click(w, "reset");
        QVERIFY(child<QPlainTextEdit>(w, "me1")->toPlainText().isEmpty());
    }
};

TABULOX_TEST(LineWindowsTest)
#include "linewindows_test.moc"
