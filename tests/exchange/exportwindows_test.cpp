#include "exchange/gui/exportwindows.h"
#include "platform/fakeplatform.h"
#include "support/shop.h"
#include "support/testmain.h"
#include "support/workbookread.h"
#include "ui/dialogs.h"
#include "windowsupport.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

using namespace exchangetest;
using testing::child;
using testing::runCommand;

namespace {
const QStringList kExcel = {QStringLiteral("(4)แสดงยอดExcel")};

QJsonObject cellsOf(const QString& path) {
    return testing::readWorkbook(path)["cells"].toObject()["Sheet1"].toObject();
}
} // namespace

class ExportWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void currentTotalsOfAKindAndTheSummary() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        bet(main->own(), "007", Kind::h3, 100, "ก");
        bet(main->own(), "12", Kind::t2, 30, "ก");
        runCommand(main, kExcel, "แสดงยอดปัจจุบัน");
        Texcelnow* w = windowOf<Texcelnow>(main);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("ส่งออกยอดปัจจุบันไปExcel"));
        auto* kinds = child<QComboBox>(w, "c1");
        QCOMPARE(kinds->count(), 11);
        QCOMPARE(kinds->itemText(0), QStringLiteral("รวม"));
        auto* button = child<QPushButton>(w, "export");

        // Nothing chosen in this opening: said, nothing written.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกข้อมูลก่อน"));
        QVERIFY(shop.platform->opened.isEmpty());

        choose(kinds, 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("ส่งออกข้อมูลยอดปัจจุบันเรียบร้อย"));
        QCOMPARE(shop.platform->opened.size(), 1);
        const QString first = shop.platform->opened.last();
        QVERIFY(QFileInfo(first).fileName().startsWith("แสดงยอดปัจจุบัน3ตัวบน"));
        QVERIFY(first.startsWith(main->desk().run().programFolder + "excel/"));
        QJsonObject cells = cellsOf(first);
        QCOMPARE(cells["A2"].toObject()["v"].toString(), QStringLiteral("007"));
        QCOMPARE(cells["F1"].toObject()["v"].toString(),
                 QStringLiteral("แสดงยอดปัจจุบัน3ตัวบนจำนวน1รายการ"));

        // The summary is written as soon as it is chosen, as a new file.
        choose(kinds, 0);
        QCOMPARE(shop.platform->opened.size(), 2);
        QVERIFY(shop.platform->opened.last() != first);
        QVERIFY(QFileInfo(shop.platform->opened.last()).fileName().startsWith("สรุปยอดรวม"));
        cells = cellsOf(shop.platform->opened.last());
        QCOMPARE(cells["F2"].toObject()["v"].toString(), QStringLiteral("12"));
        QCOMPARE(cells["I2"].toObject()["v"].toDouble(), 30.0);
    }

    void keptHasNoSummaryAndSentHasOne() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        main->own().exec("INSERT INTO h5sent (num, h, rep) VALUES ('01234', 60, 5)");
        runCommand(main, kExcel, "แสดงยอดเก็บล่าสุด");
        QCOMPARE(child<QComboBox>(windowOf<Texportcut>(main), "c1")->count(), 10);
        runCommand(main, kExcel, "แสดงยอดส่งออกล่าสุด");
        Texport2* sent = windowOf<Texport2>(main);
        auto* kinds = child<QComboBox>(sent, "c1");
        choose(kinds, 10);
        QTest::mouseClick(child<QPushButton>(sent, "export"), Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("ส่งออกข้อมูลเรียบร้อย"));
        const QJsonObject cells = cellsOf(shop.platform->opened.last());
        QCOMPARE(cells["A2"].toObject()["v"].toString(), QStringLiteral("01234"));
        QCOMPARE(cells["F1"].toObject()["v"].toString(), QStringLiteral("ยอดส่ง5ตัวจำนวน1รายการ"));
    }

    void entryOrderOfOneCustomerAndKind() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        Database& db = main->own();
        db.exec("INSERT INTO cus (id, name) VALUES ('ก', 'ก'), ('ข', 'ข')");
        bet(db, "12", Kind::h2, 10, "ก");
        bet(db, "12", Kind::h2, 20, "ข");
        bet(db, "345", Kind::h3, 30, "ก");
        runCommand(main, kExcel, "แสดงยอดลำดับการป้อน");
        Tlogexcel* w = windowOf<Tlogexcel>(main);
        auto* customers = child<QComboBox>(w, "dbc1");
        QCOMPARE(customers->currentText(), QStringLiteral("แบบรวม"));
        QCOMPARE(child<QLabel>(w, "title")->text(), QStringLiteral("เลขรวม"));
        choose(customers, customers->findText("ก"));
        choose(child<QComboBox>(w, "c1"), 4);
        QCOMPARE(child<QLabel>(w, "title")->text(), QStringLiteral("เลข2ตัวบน"));
        QTest::mouseClick(child<QPushButton>(w, "export"), Qt::LeftButton);
        QCOMPARE(w->windowTitle(), QStringLiteral("แสดงลำดับการป้อนของกเลข2ตัวบน"));
        QJsonObject cells = cellsOf(shop.platform->opened.last());
        QCOMPARE(cells["I1"].toObject()["v"].toString(), QStringLiteral("จำนวน1รายการ"));
        QCOMPARE(cells["B2"].toObject()["v"].toDouble(), 10.0);

        // Starting again: everybody's lines of every kind.
        QTest::mouseClick(child<QPushButton>(w, "restart"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "title")->text(), QStringLiteral("เลขรวม"));
        QTest::mouseClick(child<QPushButton>(w, "export"), Qt::LeftButton);
        cells = cellsOf(shop.platform->opened.last());
        QCOMPARE(cells["I1"].toObject()["v"].toString(), QStringLiteral("จำนวน3รายการ"));
    }
};

TABULOX_TEST(ExportWindowsTest)
#include "exportwindows_test.moc"
