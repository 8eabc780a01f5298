#include "common/desk.h"
#include "entry/gui/tfminput.h"
#include "maintenance/archive.h"
#include "maintenance/gui/bookjob.h"
#include "maintenance/gui/tpastdraws.h"
#include "maintenance/gui/tstartover.h"
#include "maintenance/gui/tupdateform.h"
#include "maintenance/startover.h"
#include "printing/gui/reportpreview.h"
#include "reports/gui/tselectcus.h"
#include "store/defaults.h"
#include "support/entryshop.h"
#include "support/reportcells.h"
#include "support/testmain.h"
#include "ui/bannerframe.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using printing::ReportPreview;
using testing::runCommand;
using testing::windowOf;

namespace {
using Shop = testing::EntryShop;

const QStringList kRemoval = {QStringLiteral("(8)ลบข้อมูล")};
const QStringList kCare = {QStringLiteral("(9)การบำรุงรักษา")};

// Two lines typed, the draw checked on the 16th of June.
void typeDraw(Shop& shop) {
    shop.key(Qt::Key_F2);
    shop.line("123", {"10", "5"});
    shop.line("456", {"20", "0"});
    shop.db().exec("UPDATE checkdata SET h3 = '000123', ckdate = '2024-06-16'");
}

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QString folderOf(Shop& shop) {
    return shop.main->run().programFolder;
}

QPushButton* button(QWidget* root, const QString& caption) {
    for (QPushButton* b : root->findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    QTest::qFail(qPrintable("no button " + caption), __FILE__, __LINE__);
    return nullptr;
}
} // namespace

class DrawWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void startOverKeepsTheDrawAndEmptiesTheBook();
    void startOverAskedFirst();
    void pastDrawsAreShownReadOnly();
    void consolidationRunsAsItOpens();
    void rebuildFromTheEnteredLines();
};

void DrawWindowsTest::startOverKeepsTheDrawAndEmptiesTheBook() {
    Shop shop;
    typeDraw(shop);
    const QString folder = folderOf(shop);
    touch(folder + "dbbackup/N000.mde");
    touch(folder + "dbautotime/AutoTime005.mde");
    Tmain* main = shop.main.get();

    Dialogs::setNextText(defaults::fourDigitCode());
    Dialogs::setNextAnswer(true);
    runCommand(main, kRemoval, "ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่");
    QPointer<Tstartover> window = windowOf<Tstartover>(main);
    QVERIFY(window);
    // The copy, then the question, then the draw kept and the book emptied.
    window->job()->wait();
    QVERIFY(QFileInfo::exists(folder + "lastdb/lastdatadel.mde"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("คุณจะลบข้อมูลทั้งหมดหรือไม่ ?"));
    window->job()->wait();

    const QStringList kept = QDir(folder + "archive").entryList({"*.mde"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(kept.first().startsWith("2024-06-16_"), qPrintable(kept.first()));
    // The draw was checked: its net is kept with it (nothing was cut, so nothing kept or paid).
    QCOMPARE(archive::list(folder).first().summary.net, std::optional<qint64>(0));
    QCOMPARE(Dialogs::last().kind, QStringLiteral("info"));
    QVERIFY(Dialogs::last().text.startsWith("ลบข้อมูลเรียบร้อย\nข้อมูลงวดวันที่ 16 มิถุนายน 2567 เก็บไว้ที่ " +
                                            folder + "archive/" + kept.first()));
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tball"), QStringList{"0"});
    QCOMPARE(rowsOf(shop.db(), "SELECT id, s FROM tblog"), QStringList{"1|0"});
    QVERIFY(!QFileInfo::exists(folder + "dbbackup"));
    QVERIFY(!QFileInfo::exists(folder + "dbautotime"));
    QVERIFY(QFileInfo::exists(folder + "lastdb/lastdatadel.mde"));
    QCOMPARE(main->ticks(), 0);
    // A new entry form, on the empty book, and the window gone.
    QTRY_VERIFY(!window);
    QTRY_COMPARE(main->mdi()->subWindowList().size(), 1);
    QVERIFY(shop.form());
    QCOMPARE(shop.text("Label16"), QStringLiteral("0"));
    QCOMPARE(shop.text("lsum"), QStringLiteral("0"));
    shop.key(Qt::Key_F2);
    shop.line("789", {"1", "1"});
    QCOMPARE(rowsOf(shop.db(), "SELECT min(id) FROM tball"), QStringList{"1"});
}

void DrawWindowsTest::startOverAskedFirst() {
    Shop shop;
    typeDraw(shop);
    Tmain* main = shop.main.get();
    const QString folder = folderOf(shop);

    Dialogs::setNextText("0000");
    runCommand(main, kRemoval, "ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่");
    QCOMPARE(Dialogs::last().text, QStringLiteral("รหัสไม่ถูกต้อง"));
    QVERIFY(!windowOf<Tstartover>(main));

    Dialogs::setNextText(defaults::fourDigitCode());
    Dialogs::setNextAnswer(false);
    runCommand(main, kRemoval, "ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่");
    QPointer<Tstartover> window = windowOf<Tstartover>(main);
    QVERIFY(window);
    window->job()->wait();
    // No: the copy stays, nothing else is done.
    QVERIFY(QFileInfo::exists(folder + "lastdb/lastdatadel.mde"));
    QVERIFY(!QFileInfo::exists(folder + "archive"));
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tball"), QStringList{"3"});
    QTRY_VERIFY(!window);
}

void DrawWindowsTest::pastDrawsAreShownReadOnly() {
    Shop shop;
    typeDraw(shop);
    Tmain* main = shop.main.get();
    startover::Options options;
    options.archiveFolder = archive::folderOf(folderOf(shop));
    options.now = QDateTime(QDate(2024, 6, 16), QTime(19, 0, 0));
    options.netOf = [](Database&) { return std::optional<qint64>(-250); };
    startover::archiveAndEmpty(main->desk().bookLocation(), options);

    runCommand(main, {"(3)แสดงยอด"}, "งวดที่ผ่านมา");
    Tpastdraws* list = windowOf<Tpastdraws>(main);
    QVERIFY(list);
    QTableWidget* draws = testing::child<QTableWidget>(list, "draws");
    QCOMPARE(draws->rowCount(), 1);
    QStringList cells;
    for (int column = 0; column < draws->columnCount(); ++column)
        cells << draws->item(0, column)->text();
    QCOMPARE(cells, (QStringList{"16 มิ.ย. 2567", "2024-06-16 19:00:00", "2", "3", "35", "0", "0",
                                 "ขาดทุน 250"}));
    QVERIFY(!list->viewButton(0)->isEnabled());
    QPushButton* check = button(list, "ผลตรวจรางวัล");

    list->openChosen();
    QVERIFY(list->draw());
    QVERIFY(list->draw()->readOnly());
    const QString banner =
        QStringLiteral("งวดวันที่ 16 มิถุนายน 2567 (ข้อมูลงวดที่ผ่านมา ดูได้อย่างเดียว แก้ไขไม่ได้)");
    QCOMPARE(testing::child<QLabel>(list, "banner")->text(), banner);

    // A totals view of the past draw, while the book of the new draw is empty.
    QTest::mouseClick(button(list, "3ตัวบน"), Qt::LeftButton);
    QCOMPARE(ReportPreview::shown().size(), 1);
    const ReportPreview::Shown& shown = ReportPreview::shown().last();
    QVERIFY2(shown.title.endsWith(" - " + banner), qPrintable(shown.title));
    QVERIFY2(shown.report.heading.endsWith("(งวดวันที่ 16 มิ.ย. 2567)"), qPrintable(shown.report.heading));
    QCOMPARE(shown.report.rows.size(), 2);
    QCOMPARE(testing::cellsOf(shown.report, 0), (QStringList{"123", "10"}));
    QCOMPARE(testing::cellsOf(shown.report, 1), (QStringList{"456", "20"}));

    // The prize check of the draw, checked again from what was kept.
    QVERIFY(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    const ReportPreview::Shown& result = ReportPreview::shown().last();
    QCOMPARE(result.title, "ผลการตรวจรางวัล - " + banner);
    QCOMPARE(result.report.rows.size(), 10);
    QCOMPARE(testing::cellsOf(result.report, 0).first(), QStringLiteral("3ตัวบน"));

    // A window of the past draw, under its banner.
    QTest::mouseClick(button(list, "ยอดรวมแยกตามชื่อ"), Qt::LeftButton);
    auto* frame = qobject_cast<BannerFrame*>(main->mdi()->activeSubWindow()->widget());
    QVERIFY(frame);
    QVERIFY(qobject_cast<Tselectcus*>(frame->window()));
    QCOMPARE(testing::child<QLabel>(frame, "banner")->text(), banner);
    // The draw's desk stays with its window after the list closes.
    std::weak_ptr<Desk> draw = list->draw();
    closeWithFrame(list);
    QTRY_VERIFY(!windowOf<Tpastdraws>(main));
    QVERIFY(!draw.expired());

    // Nothing can write the archive.
    try {
        draw.lock()->openShared()->exec("DELETE FROM tball");
        QFAIL("the past draw took a write");
    } catch (const StoreError& error) {
        QCOMPARE(error.kind(), StoreError::readOnly);
    }
    closeWithFrame(frame->window());
    QTRY_VERIFY(draw.expired());
}

void DrawWindowsTest::consolidationRunsAsItOpens() {
    Shop shop;
    typeDraw(shop);
    shop.line("123", {"7", "0"});
    Tmain* main = shop.main.get();
    const QString totals = shop.text("lsum");
    runCommand(main, kCare, "ปรับปรุงตารางข้อมูล");
    QVERIFY(QFileInfo::exists(folderOf(shop) + "dbbackup/U000.mde"));
    QPointer<Tupdateform> window = windowOf<Tupdateform>(main);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("ปรับปรุงตารางข้อมูล"));
    window->job()->wait();
    QCOMPARE(Dialogs::last().text, QStringLiteral("ปรับปรุงตารางข้อมูลเรียบร้อย"));
    QTRY_VERIFY(!window);
    QCOMPARE(rowsOf(shop.db(), "SELECT num, h, t, cus FROM tball WHERE codeins = 'h3' ORDER BY num"),
             (QStringList{"123|17|0|ปรับปรุงตาราง", "456|20|0|ปรับปรุงตาราง"}));
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tballcus"), QStringList{"4"});
    // The entry form heard of it: the same totals over fewer lines.
    QCOMPARE(shop.text("lsum"), totals);
    QCOMPARE(shop.text("Label16"), QStringLiteral("3"));
}

void DrawWindowsTest::rebuildFromTheEnteredLines() {
    Shop shop;
    typeDraw(shop);
    Tmain* main = shop.main.get();
    shop.db().exec("DELETE FROM tball WHERE num = '456'");
    shop.db().exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('999', 50, 'ตัดยอด-1', 'h3')");

    Dialogs::setNextAnswer(false);
    runCommand(main, kCare, "ถ่ายโอนข้อมูลสำรองไปที่ข้อมูลประมวลผล");
    QCOMPARE(Dialogs::last().text, QStringLiteral("ยกเลิกการถ่ายโอนข้อมูล"));
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tball"), QStringList{"3"});

    Dialogs::setNextAnswer(true);
    runCommand(main, kCare, "ถ่ายโอนข้อมูลสำรองไปที่ข้อมูลประมวลผล");
    QCOMPARE(Dialogs::last().text, QStringLiteral("ถ่ายโอนข้อมูลสำรองไปข้อมูลประมวลผลเรียบร้อย"));
    QCOMPARE(shop.book(), shop.book("tballcus"));
    QCOMPARE(shop.text("lsum"), QStringLiteral("35"));
}

TABULOX_TEST(DrawWindowsTest)
#include "drawwindows_test.moc"
