#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "printing/gui/reportpreview.h"
#include "reports/gui/tfindcus.h"
#include "reports/gui/tfindnumber.h"
#include "reports/gui/treal.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QTableWidget>

using printing::ReportPreview;
using testing::child;
using testing::runCommand;

namespace {
QStringList cellsOf(QTableWidget* grid) {
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows << grid->item(row, 0)->text() + QLatin1Char('|') + grid->item(row, 1)->text();
    return rows;
}
} // namespace

class SearchWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>();
        book_ = shop_->main->desk().openOwnLines();
        bet("012", "h3", 50, "สมชาย");
        bet("012", "h3", 50, "สมชาย"); // typed twice
        bet("012", "l3", 5, "สมหญิง");
        bet("45", "h2", 20, "สมชาย");
    }
    void cleanup() {
        book_.reset();
        shop_.reset();
        testing::Test::cleanup();
    }

    void customerSearch() {
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(5)ค้นหา")}, QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข"));
        auto* window = testing::activeWindowOf<Tfindcus>(main);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข"));
        QLineEdit* number = child<QLineEdit>(window, "num");
        // Without a group the rows listed are counted: none yet.
        QTest::mouseClick(child<QPushButton>(window, "find"), Qt::LeftButton);
        QCOMPARE(window->resultText(), QStringLiteral("พบข้อมูลจำนวน0รายการ"));
        QComboBox* group = child<QComboBox>(window, "group");
        group->setCurrentIndex(0);
        emit group->activated(0);
        QVERIFY(number->hasFocus());
        QTest::keyClicks(number, "12");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(window->resultText(), QStringLiteral("พบข้อมูลจำนวน0รายการ"));
        number->setText("012");
        QTest::mouseClick(child<QPushButton>(window, "find"), Qt::LeftButton);
        QCOMPARE(window->shownRows(), (QStringList{"สมชาย||012|100|0|0", "สมหญิง||012|0|0|5"}));
        QCOMPARE(window->resultText(), QStringLiteral("พบข้อมูลจำนวน2รายการ"));
    }

    void numberSearchFindsAndDeletesALineTypedTwice() {
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(5)ค้นหา")}, QStringLiteral("ค้นหาตัวเลขซ้ำซ้อน"));
        auto* window = testing::activeWindowOf<Tfindnumber>(main);
        QVERIFY(window);
        DataGrid* grid = window->grid();
        QCOMPARE(grid->model()->rowCount(), 4); // every processed row at first
        // No kind chosen: said, and the grid stays.
        child<QLineEdit>(window, "num")->setText("012");
        QTest::mouseClick(child<QPushButton>(window, "find"), Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกชนิดของตัวเลข"));
        QCOMPARE(grid->model()->rowCount(), 4);

        child<QComboBox>(window, "kind")->setCurrentIndex(0);
        QTest::mouseClick(child<QPushButton>(window, "find"), Qt::LeftButton);
        QCOMPARE(window->resultText(), QStringLiteral("พบข้อมูลจำนวน2รายการ"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QLabel* total = child<QLabel>(main, "total_h3");
        QCOMPARE(total->text(), QStringLiteral("100"));

        grid->view()->selectRow(1);
        Dialogs::setNextAnswer(true);
        QTest::mouseClick(child<QPushButton>(window, "DBGrid1_delete"), Qt::LeftButton);
        QCOMPARE(Dialogs::asked().last().kind, QStringLiteral("question"));
        QCOMPARE(rowsOf(*book_, "SELECT count(*), sum(h) FROM tball WHERE codeins = 'h3'"),
                 QStringList{"1|50"});
        QCOMPARE(rowsOf(*book_, "SELECT count(*) FROM tballcus"), QStringList{"4"});
        QCOMPARE(total->text(), QStringLiteral("50"));

        // The entered copy, at once on its button.
        QRadioButton* entered = child<QRadioButton>(window, "entered");
        QTest::mouseClick(entered, Qt::LeftButton);
        QCOMPARE(window->titleText(), QStringLiteral("ค้นหาตัวเลขจากข้อมูลสำรอง"));
        QCOMPARE(grid->model()->tableName(), QStringLiteral("tballcus"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QTest::mouseClick(child<QPushButton>(window, "reset"), Qt::LeftButton);
        QCOMPARE(grid->model()->rowCount(), 4);
    }

    void numberSearchEdits() {
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(5)ค้นหา")}, QStringLiteral("ค้นหาตัวเลขซ้ำซ้อน"));
        auto* window = testing::activeWindowOf<Tfindnumber>(main);
        QVERIFY(window);
        child<QComboBox>(window, "kind")->setCurrentIndex(0);
        child<QLineEdit>(window, "num")->setText("012");
        QTest::mouseClick(child<QPushButton>(window, "find"), Qt::LeftButton);
        DataGrid* grid = window->grid();

        // Refused where typed: the book and the grid keep the stored values.
        struct Refused {
            const char* field;
            const char* typed;
        };
        for (const Refused& r : {Refused{"h", "abc"}, Refused{"num", "12"}, Refused{"t", "9"}}) {
            type(grid, 0, r.field, r.typed);
            QTRY_COMPARE(Dialogs::last().kind, QStringLiteral("warning"));
            Dialogs::clear();
            QVERIFY(!grid->model()->isDirty());
        }
        QCOMPARE(rowsOf(*book_, "SELECT num, h, t FROM tball WHERE codeins = 'h3' ORDER BY id"),
                 (QStringList{"012|50|0", "012|50|0"}));

        // Written at once, and the total follows.
        type(grid, 0, "h", "70");
        QTRY_COMPARE(rowsOf(*book_, "SELECT h FROM tball WHERE codeins = 'h3' ORDER BY id"),
                     (QStringList{"70", "50"}));
        QTRY_COMPARE(child<QLabel>(main, "total_h3")->text(), QStringLiteral("120"));
        type(grid, 1, "num", "013");
        QTRY_COMPARE(rowsOf(*book_, "SELECT num FROM h3 ORDER BY num"),
                     (QStringList{"012", "013"}));
        // The row's order number is not edited.
        grid->view()->setCurrentIndex(grid->model()->index(0, grid->columnOf("id")));
        grid->view()->edit(grid->view()->currentIndex());
        QVERIFY(!grid->view()->indexWidget(grid->view()->currentIndex()));
    }

    void boardRefreshesEveryMinute() {
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(3)แสดงยอด")},
                   QStringLiteral("16.แสดงเลขปัจจุบันที่มียอดซื้อสูงสุด"));
        auto* board = testing::activeWindowOf<Treal>(main);
        QVERIFY(board);
        QCOMPARE(board->windowTitle(), QStringLiteral("แสดงเลขปัจุบันที่มียอดสูงสุด"));
        QCOMPARE(cellsOf(board->list(0)), QStringList{"012|100"});
        QCOMPARE(cellsOf(board->list(2)), QStringList{"012|5"});
        QCOMPARE(cellsOf(board->list(3)), QStringList{"45|20"});
        QVERIFY(!board->indicatorGreen());

        bet("999", "h3", 700, "สมชาย");
        for (int second = 1; second <= 60; ++second) {
            board->tick();
            QCOMPARE(board->counter(), second);
            QCOMPARE(board->indicatorGreen(), second >= 56);
        }
        // Between readings the board shows the last one.
        QCOMPARE(cellsOf(board->list(0)), QStringList{"012|100"});
        board->tick();
        QCOMPARE(board->counter(), 0);
        QVERIFY(!board->indicatorGreen());
        QCOMPARE(cellsOf(board->list(0)), (QStringList{"999|700", "012|100"}));

        // Each list opens its totals view.
        QTest::mouseClick(child<QPushButton>(board, "show1"), Qt::LeftButton);
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().report.heading, QStringLiteral("สรุปยอด3ตัวบน"));
    }

    void boardMarksWatchedTwoDigitNumbers() {
        book_->exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('45', 0, 'h2'), ('012', 0, "
                    "'h3')");
        bet("67", "h2", 5, "ก");
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(3)แสดงยอด")},
                   QStringLiteral("16.แสดงเลขปัจจุบันที่มียอดซื้อสูงสุด"));
        auto* board = testing::activeWindowOf<Treal>(main);
        QVERIFY(board);
        auto marked = [&](int list, int row) {
            return board->list(list)->item(row, 0)->background() != QBrush();
        };
        // Not marked while back27 is 0.
        QVERIFY(!marked(3, 0) && !marked(3, 1));
        SettingsRecord(main->own()).set(Backc::back27, QStringLiteral("1"));
        board->refresh();
        QCOMPARE(cellsOf(board->list(3)), (QStringList{"45|20", "67|5"}));
        QVERIFY(marked(3, 0));
        QVERIFY(!marked(3, 1));
        QVERIFY(!marked(0, 0)); // three-digit lists are never marked
    }

private:
    void bet(const char* num, const char* code, double stake, const QString& customer) {
        Kind kind = Kind::h3;
        kindFromCode(QLatin1String(code), &kind);
        for (const char* table : {"tball", "tballcus"})
            book_->exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                            .arg(QLatin1String(table), stakeColumn(kind)),
                        {QLatin1String(num), stake, customer, QLatin1String(code)});
        shop_->main->desk().bookWritten(BookChange::linesWritten);
    }
    // Types into a cell of the grid and confirms, as a clerk does.
    static void type(DataGrid* grid, int row, const char* field, const char* text) {
        QTableView* view = grid->view();
        const QModelIndex index = grid->model()->index(row, grid->columnOf(field));
        view->setCurrentIndex(index);
        view->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    std::unique_ptr<testing::Shop> shop_;
    std::unique_ptr<Database> book_;
};

TABULOX_TEST(SearchWindowsTest)
#include "searchwindows_test.moc"
