#include "entry/gui/tfminput.h"
#include "exchange/gui/taddaccess.h"
#include "exchange/gui/timportex2.h"
#include "exchange/gui/tsentdb.h"
#include "platform/fakeplatform.h"
#include "support/sheetwrite.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"
#include "windowsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace exchangetest;
using testing::child;
using testing::runCommand;

namespace {
const QStringList kEntry = {QStringLiteral("(1)ป้อนข้อมูล")};

QStringList lines(Database& db, const char* table = "tball") {
    return rowsOf(db, QStringLiteral("SELECT num, h, t, l, cus, codeins FROM %1 ORDER BY id")
                          .arg(QLatin1String(table)));
}

void click(QWidget* w, const char* name) {
    QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
}
} // namespace

class ImportWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void sheetImportAfterACopy() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        Database& db = main->own();
        db.exec("INSERT INTO cus (id, name) VALUES ('ลูกค้า1', 'ลูกค้า1')");
        const QString folder = main->desk().run().programFolder;
        const QString sheet = folder + "bets.xlsx";
        testing::writeSheet("xlsx", sheet,
                            {QVariantList{"num", "h", "t", "l"}, QVariantList{"815", 10, 20, 30},
                             QVariantList{"123456", 1}, QVariantList{"12", QVariant(), 5}});

        runCommand(main, kEntry, "นำเข้าข้อมูลจากตารางExcel");
        QPointer<Timportex2> w = windowOf<Timportex2>(main);
        QVERIFY(w);
        QCOMPARE(QDir(folder + "dbbackup").entryList({"E*.mde"}).size(), 1);
        click(w, "import");
        QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกชนิดและข้อมูลExcelในการป้อนข้อมูล"));

        auto* customers = child<QComboBox>(w, "dbc1");
        QCOMPARE(customers->currentText(), QStringLiteral("แบบรวม"));
        choose(customers, customers->findText("ลูกค้า1"));
        Dialogs::setNextFileName(sheet);
        click(w, "choose");
        QCOMPARE(child<QLineEdit>(w, "path")->text(), sheet);
        QCOMPARE(child<QTableWidget>(w, "grid")->rowCount(), 3);
        QCOMPARE(child<QLabel>(w, "Label2")->text(), QStringLiteral("3"));
        click(w, "import");
        const QString said = Dialogs::last().text;
        QVERIFY2(said.contains("นำเข้าข้อมูล 2 แถว (6 รายการ) เรียบร้อย") &&
                     said.contains("แถวที่ 3 เลข \"123456\""),
                 qPrintable(said));
        QCOMPARE(lines(db).first(), QStringLiteral("815|10|0|0|ลูกค้า1|h3"));
        QCOMPARE(lines(db).size(), 6);
        // The entry form shows the new total.
        QCOMPARE(child<QLabel>(main->entryForm(), "total_h3")->text(), QStringLiteral("10"));

        // Ten idle minutes close the window; every action starts the count again.
        for (int i = 0; i < Timportex2::kIdleSeconds - 1; ++i)
            w->onTimer1();
        QVERIFY(w);
        click(w, "import");
        QCOMPARE(w->secondsLeft(), Timportex2::kIdleSeconds);
        for (int i = 0; i < Timportex2::kIdleSeconds; ++i)
            w->onTimer1();
        settle();
        QVERIFY(!w);
    }

    void mergeOfAnotherComputersBook() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        TempBook other(Engine::sqlite);
        bet(other.db(), "123", Kind::h3, 100, "ก");
        bet(other.db(), "45", Kind::l2, 20, "ข");
        runCommand(main, kEntry, "เพิ่มข้อมูลจากMsAccess");
        QPointer<Taddaccess> w = windowOf<Taddaccess>(main);
        QVERIFY(w);
        QCOMPARE(QDir(main->desk().run().programFolder + "dbbackup").entryList({"A*.mde"}).size(),
                 1);
        auto* merge = child<QPushButton>(w, "merge");
        QVERIFY(!merge->isVisibleTo(w));
        Dialogs::setNextFileName(other.dbPath());
        click(w, "choose");
        QVERIFY(merge->isVisibleTo(w));
        click(w, "merge");
        w->waitForMerge();
        QCOMPARE(Dialogs::last().text, QStringLiteral("เพิ่มฐานข้อมูล2แถวเรียบร้อย"));
        QCOMPARE(lines(main->own()), (QStringList{"123|100|0|0|ก|h3", "45|0|0|20|ข|l2"}));
        QVERIFY(!merge->isVisibleTo(w));

        // The book itself is refused.
        Dialogs::setNextFileName(main->desk().run().ownPath());
        click(w, "choose");
        click(w, "merge");
        QVERIFY(!w->merging());
        QVERIFY(Dialogs::last().text.contains("ฐานข้อมูลของเครื่องนี้เอง"));
        QCOMPARE(lines(main->own()).size(), 2);
    }

    void sentAmountsFileOutAndIn() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        Database& db = main->own();
        db.exec("INSERT INTO t3sent (num, t, rep) VALUES ('123', 500, 1)");
        runCommand(main, {"(6)เพิ่มและส่งออกMsAccess"}, "รับยอดและส่งออกยอดเกิน");
        Tsentdb* w = windowOf<Tsentdb>(main);
        QVERIFY(w);
        QCOMPARE(child<QComboBox>(w, "c1")->currentText(), QStringLiteral("รวมเลข"));
        Dialogs::setNextFileName(QString());
        click(w, "export");
        QCOMPARE(Dialogs::last().text, QStringLiteral("ยกเลิกการส่งออกฐานข้อมูล"));

        const QString target = main->desk().run().programFolder + "dealer";
        Dialogs::setNextFileName(target);
        click(w, "export");
        QCOMPARE(Dialogs::last().text, QStringLiteral("ส่งออกฐานข้อมูลยอดส่งออกทั้งหมดไปที่") +
                                           QDir::toNativeSeparators(target + ".mdb") +
                                           QStringLiteral("เรียบร้อย"));
        QVERIFY(QFile::exists(main->desk().run().programFolder + "db/export.mdb"));

        Dialogs::setNextFileName(target + ".mdb");
        click(w, "add");
        w->waitForAdding();
        QCOMPARE(Dialogs::last().text, QStringLiteral("เพิ่มฐานข้อมูล1แถวเรียบร้อย"));
        QCOMPARE(lines(db), QStringList{"123|0|500|0|แบบรวม|t3"});
        QCOMPARE(lines(db, "tballcus"), lines(db));
    }
};

TABULOX_TEST(ImportWindowsTest)
#include "importwindows_test.moc"
