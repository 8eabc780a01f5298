#include "common/customerbook.h"
#include "common/customers.h"
#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "settlement/gui/tcuschange.h"
#include "settlement/gui/tcuss.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

namespace cb = customerbook;

namespace {
// Captions of the grid's shown columns, left to right.
QStringList captions(DataGrid* grid) {
    QStringList result;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        if (!grid->view()->isColumnHidden(column))
            result << grid->model()->headerData(column, Qt::Horizontal).toString();
    }
    return result;
}

QStringList shownNames(DataGrid* grid) {
    QStringList names;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        names << grid->value(row, "name").toString();
    return names;
}

void clickCell(DataGrid* grid, int row, const QString& field) {
    QTableView* view = grid->view();
    const QModelIndex index = grid->model()->index(row, grid->columnOf(field));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void edit(DataGrid* grid, int row, const QString& field, const QVariant& value) {
    QVERIFY(grid->model()->setData(grid->model()->index(row, grid->columnOf(field)), value));
}

const QStringList kTwenty(10, "20");
} // namespace

class CustomerWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addingAsksThePromptsAndStoresTheAnswers();
    void orderByNameIsWrittenAndReorders();
    void captionsFollowTheNamingMode();
    void copyCountAndDeleteAll();
    void gridEditsAreCheckedAndClosingSetsTheCodes();
    void checkReportsOddRowsAndKeepsDuplicates();
    void rateWindowRowLabelAndSheetCopy();
    void gridRowsGetTheRatesAndExitWritesEdits();

private:
    template <typename W> W* open() {
        auto* window = new W(shop_->main->desk());
        QMdiSubWindow* sub = shop_->main->mdi()->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        shop_->main->mdi()->setActiveSubWindow(sub);
        return window;
    }
    template <typename T> T* part(QWidget* window, const char* name) {
        return testing::child<T>(window, QString::fromLatin1(name));
    }
    void closeWindow(QWidget* window) {
        qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Database& db() { return shop_->main->own(); }
    void addCustomers(const QStringList& names) {
        for (const QString& name : names)
            QVERIFY(cb::add(db(), name, kTwenty, cb::overallRates(db())).done);
    }
    QStringList rows(const QString& sql, const QVariantList& binds = {}) {
        return rowsOf(db(), sql, binds);
    }

    std::unique_ptr<testing::Shop> shop_;
};

void CustomerWindowsTest::init() {
    testing::Test::init();
    shop_ = std::make_unique<testing::Shop>();
    QVERIFY(QTest::qWaitForWindowExposed(shop_->main.get()));
    Dialogs::clear();
}

void CustomerWindowsTest::cleanup() {
    shop_->main->closeWithoutAsking();
    shop_.reset();
    testing::Test::cleanup();
}

void CustomerWindowsTest::addingAsksThePromptsAndStoresTheAnswers() {
    Tcuss* window = open<Tcuss>();
    QCOMPARE(window->windowTitle(), QString("ป้อนข้อมูลลูกค้า"));
    QCOMPARE(window->objectName(), QString("Tcuss"));
    addCustomers({"Zed"});

    Dialogs::setNextText("ลูกค้า \"ก\"");
    Dialogs::setNextText("15");
    part<QPushButton>(window, "BitBtn2")->click();
    QCOMPARE(Dialogs::asked().size(), 2);
    QCOMPARE(Dialogs::asked().at(0).title, QString("ป้อนชื่อลูกค้า"));
    QCOMPARE(Dialogs::asked().at(0).text, QString("ป้อนชื่อลูกค้า"));
    QCOMPARE(Dialogs::asked().at(1).text, QString("ป้อนเปอร์เซ็นโดยรวม"));
    QCOMPARE(Dialogs::asked().at(1).proposed, QString("20"));
    QCOMPARE(
        rows("SELECT id, " + cb::percentColumns().join(',') + ", " + cb::rateColumns().join(',') +
                 " FROM cus WHERE name = ?",
             {"ลูกค้า \"ก\""}),
        QStringList{"ลูกค้า \"ก\"|15|15|15|15|15|15|15|15|15|15|500|100|100|70|12|70|3|4|100|100"});
    // The new customer is the last row and the chosen one.
    DataGrid* grid = window->grid();
    QCOMPARE(shownNames(grid), (QStringList{"Zed", "ลูกค้า \"ก\""}));
    QCOMPARE(grid->view()->currentIndex().row(), 1);

    // Different percents: cancelled boxes give 20; the prompts come in the listing order.
    Dialogs::clear();
    Dialogs::setNextText("B");
    Dialogs::setNextText("5");
    for (int i = 0; i < 9; ++i)
        Dialogs::setNextText("", false);
    part<QPushButton>(window, "BitBtn1")->click();
    QCOMPARE(testing::said("input"),
             (QStringList{"ป้อนชื่อลูกค้า", "ป้อนเปอร์เซ็น3ตัวบน", "ป้อนเปอร์เซ็น3ตัวโต๊ด", "ป้อนเปอร์เซ็น3ตัวล่าง",
                          "ป้อนเปอร์เซ็น2ตัวบน", "ป้อนเปอร์เซ็น2ตัวล่าง", "ป้อนเปอร์เซ็น2ตัวโต๊ด",
                          "ป้อนเปอร์เซ็นวิ่งบน", "ป้อนเปอร์เซ็นวิ่งล่าง", "ป้อนเปอร์เซ็น4ตัว", "ป้อนเปอร์เซ็น5ตัว"}));
    QCOMPARE(rows("SELECT " + cb::percentColumns().join(',') + " FROM cus WHERE name = 'B'"),
             QStringList{"5|20|20|20|20|20|20|20|20|20"});

    // A taken name: every question is asked, then the refusal; nothing more is stored.
    Dialogs::clear();
    Dialogs::setNextText("B");
    Dialogs::setNextText("", false);
    part<QPushButton>(window, "BitBtn2")->click();
    QCOMPARE(testing::said("warning"), QStringList{"ไม่สามารถเพิ่มชื่อได้เพราะมีชื่อนี้อยู่แล้วในระบบ"});
    // A percent that is no number ends the questions; a cancelled name adds nothing.
    Dialogs::clear();
    Dialogs::setNextText("C");
    Dialogs::setNextText("10");
    Dialogs::setNextText("ten");
    part<QPushButton>(window, "BitBtn1")->click();
    QCOMPARE(testing::said("input").size(), 3);
    QCOMPARE(testing::said("warning").size(), 1);
    Dialogs::clear();
    Dialogs::setNextText("", false);
    part<QPushButton>(window, "BitBtn2")->click();
    QCOMPARE(testing::said("input").size(), 1);
    QCOMPARE(testing::said("warning"), QStringList{"กรุณาป้อนชื่อลูกค้า"});
    QCOMPARE(rows("SELECT count(*) FROM cus"), QStringList{"3"});
}

void CustomerWindowsTest::orderByNameIsWrittenAndReorders() {
    addCustomers({"Zed", "Ann", "Mo"});
    Tcuss* window = open<Tcuss>();
    QCheckBox* f2 = part<QCheckBox>(window, "f2");
    QCOMPARE(f2->text(), QString("เรียงตามชื่อ"));
    QVERIFY(!f2->isChecked());
    QCOMPARE(shownNames(window->grid()), (QStringList{"Zed", "Ann", "Mo"}));

    f2->click();
    QCOMPARE(SettingsRecord(db()).text(Backc::back21), QString("1"));
    QCOMPARE(shownNames(window->grid()), (QStringList{"Ann", "Mo", "Zed"}));
    closeWindow(window);

    // Opening follows the stored choice; unticking goes back to the creation order.
    window = open<Tcuss>();
    f2 = part<QCheckBox>(window, "f2");
    QVERIFY(f2->isChecked());
    QCOMPARE(shownNames(window->grid()), (QStringList{"Ann", "Mo", "Zed"}));
    f2->click();
    QCOMPARE(SettingsRecord(db()).text(Backc::back21), QString("0"));
    QCOMPARE(shownNames(window->grid()), (QStringList{"Zed", "Ann", "Mo"}));
    QVERIFY(Dialogs::asked().isEmpty());
}

void CustomerWindowsTest::captionsFollowTheNamingMode() {
    SettingsRecord(db()).set(Backc::back13, "1");
    Tcuss* window = open<Tcuss>();
    QCOMPARE(captions(window->grid()),
             (QStringList{"ชื่อลูกค้า", "3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน", "2ตัวล่าง", "หัว2ตัว", "วิ่งบน",
                          "วิ่งล่าง", "หัว3ตัวโต๊ด", "หัว3ตัว", "ID"}));
    Dialogs::setNextText("A");
    for (int i = 0; i < 10; ++i)
        Dialogs::setNextText("", false);
    part<QPushButton>(window, "BitBtn1")->click();
    const QStringList prompts = testing::said("input");
    QCOMPARE(prompts.size(), 11);
    QCOMPARE(prompts.at(6), QString("ป้อนเปอร์เซ็นหัว2ตัว"));
    QCOMPARE(prompts.at(9), QString("ป้อนเปอร์เซ็นหัว3ตัวโต๊ด"));
    QCOMPARE(prompts.at(10), QString("ป้อนเปอร์เซ็นหัว3ตัว"));
    closeWindow(window);

    Tcuschange* rates = open<Tcuschange>();
    QCOMPARE(rates->windowTitle(), QString("ป้อนอัตราการจ่ายลูกค้า"));
    QCOMPARE(captions(rates->grid()),
             (QStringList{"ชื่อลูกค้า", "3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน", "หัว2ตัว", "2ตัวล่าง", "วิ่งบน",
                          "วิ่งล่าง", "หัว3ตัวโต๊ด", "หัว3ตัว"}));
    closeWindow(rates);

    SettingsRecord(db()).set(Backc::back13, "2");
    rates = open<Tcuschange>();
    QCOMPARE(captions(rates->grid()).mid(5),
             (QStringList{" 2ตัวX", "2ตัวล่าง", "วิ่งบน", "วิ่งล่าง", "กลุ่ม4ตัว", "กลุ่ม5ตัว"}));
    closeWindow(rates);
    window = open<Tcuss>();
    QCOMPARE(captions(window->grid()).mid(6, 5),
             (QStringList{"เลข2ตัวX", "วิ่งบน", "วิ่งล่าง", "4ตัว", "5ตัว"}));
}

void CustomerWindowsTest::copyCountAndDeleteAll() {
    addCustomers({"A", "B"});
    customers::ensureSheet(db(), "A", "Aแผ่นที่1");
    Tcuss* window = open<Tcuss>();
    DataGrid* grid = window->grid();
    auto* edit1 = part<QLineEdit>(window, "Edit1");
    QCOMPARE(edit1->text(), QString("5"));
    QCOMPARE(part<QLabel>(window, "Label1")->text(), QString("ป้อนจำนวนตัวเลข"));
    clickCell(grid, 0, "c3hp");
    QTest::mouseClick(edit1, Qt::LeftButton);
    QCOMPARE(edit1->text(), QString());

    auto* copy = part<QPushButton>(window, "BitBtn3");
    QCOMPARE(copy->text(), QString("copyรายชื่อ"));
    copy->click();
    QCOMPARE(testing::said("warning"), QStringList{"กรุณาป้อนจำนวนเป็นตัวเลขจำนวนเต็ม 1 ถึง 10000"});
    QCOMPARE(rows("SELECT count(*) FROM cus"), QStringList{"3"});

    Dialogs::clear();
    edit1->setText("2");
    copy->click();
    QCOMPARE(testing::said("info"), QStringList{"ป้อนข้อมูลจำนวน2รายชื่อเรียบร้อย"});
    QCOMPARE(shownNames(grid), (QStringList{"A", "B", "A1", "A2"}));
    QCOMPARE(grid->view()->currentIndex().row(), 3);

    Dialogs::clear();
    Dialogs::setNextAnswer(false);
    part<QPushButton>(window, "BitBtn4")->click();
    QCOMPARE(Dialogs::asked().at(0).text, QString("คุณจะลบรายชื่อทั้งหมดหรือไม่ ?"));
    QCOMPARE(testing::said("info"), QStringList{"ยกเลิกการลบข้อมูล"});
    QCOMPARE(rows("SELECT count(*) FROM cus"), QStringList{"5"});
    Dialogs::clear();
    Dialogs::setNextAnswer(true);
    part<QPushButton>(window, "BitBtn4")->click();
    QCOMPARE(testing::said("info"), QStringList{"ลบข้อมูลเรียบร้อย"});
    QCOMPARE(rows("SELECT count(*) FROM cus"), QStringList{"0"});
    QCOMPARE(grid->model()->rowCount(), 0);
}

void CustomerWindowsTest::gridEditsAreCheckedAndClosingSetsTheCodes() {
    addCustomers({"A", "B"});
    QPointer<Tfminput> oldForm = shop_->main->entryForm();
    QVERIFY(oldForm);
    Tcuss* window = open<Tcuss>();
    DataGrid* grid = window->grid();
    auto* post = part<QPushButton>(window, "DBGrid1_post");

    edit(grid, 0, "c2tp", "abc");
    post->click();
    QCOMPARE(testing::said("warning").size(), 1);
    QVERIFY(testing::said("warning").at(0).contains("abc"));
    QCOMPARE(rows("SELECT c2tp FROM cus WHERE name = 'A'"), QStringList{"20"});
    edit(grid, 0, "c2tp", "35");
    post->click();
    QCOMPARE(rows("SELECT c2tp FROM cus WHERE name = 'A'"), QStringList{"35"});

    // A renamed customer keeps his code until the window closes; an edit not yet posted is
    // written on closing.
    edit(grid, 0, "name", "A'9");
    post->click();
    QCOMPARE(rows("SELECT id FROM cus WHERE name = ?", {"A'9"}), QStringList{"A"});
    edit(grid, 1, "c1lp", "7");
    Dialogs::clear();
    closeWindow(window);
    QVERIFY(Dialogs::asked().isEmpty());
    QCOMPARE(rows("SELECT id, c1lp FROM cus ORDER BY id2"), (QStringList{"A'9|20", "B|7"}));

    // The entry form was in front again: it was made anew with the new name in its list.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldForm.isNull());
    QVERIFY(shop_->main->entryForm());
    QVERIFY(shop_->main->entryForm()->findChild<QComboBox*>("dbc1")->findText("A'9") >= 0);

    // Two rows with one name: closing says so and leaves the codes alone.
    window = open<Tcuss>();
    edit(window->grid(), 1, "name", "A'9");
    window->grid()->post();
    closeWindow(window);
    QCOMPARE(testing::said("warning"), QStringList{"ไม่สามารถ บันทึก มีรหัส ซำ้  กรณาตรวจสอบ"});
    QCOMPARE(rows("SELECT id FROM cus ORDER BY id2"), (QStringList{"A'9", "B"}));

    // A refused edit keeps the window open.
    window = open<Tcuss>();
    QPointer<Tcuss> kept = window;
    edit(window->grid(), 0, "c3hp", "x");
    closeWindow(window);
    QVERIFY(!kept.isNull());
}

void CustomerWindowsTest::checkReportsOddRowsAndKeepsDuplicates() {
    addCustomers({"A", "B", "C"});
    db().exec("UPDATE cus SET name = 'B2' WHERE id = 'B'");
    Tcuss* window = open<Tcuss>();
    auto* check = part<QPushButton>(window, "BitBtn5");
    QCOMPARE(check->text(), QString("ตรวจสอบ"));
    check->click();
    QCOMPARE(testing::said("warning"), QStringList{"ชื่อลูกค้า B2 ผิดปกติ  กรุณาตรวจสอบ"});
    QCOMPARE(rows("SELECT id FROM cus ORDER BY id2"), (QStringList{"A", "B2", "C"}));

    Dialogs::clear();
    db().exec("UPDATE cus SET name = 'A' WHERE id = 'C'");
    const QStringList before = rows("SELECT * FROM cus ORDER BY id2");
    check->click();
    QCOMPARE(testing::said("warning"),
             (QStringList{"ชื่อลูกค้า A ผิดปกติ  กรุณาตรวจสอบ", "ไม่สามารถ บันทึก มีรหัส ซำ้  กรุณาตรวจสอบ"}));
    QCOMPARE(rows("SELECT * FROM cus ORDER BY id2"), before);
    QCOMPARE(shownNames(window->grid()), (QStringList{"A", "B2", "A"}));
}

void CustomerWindowsTest::rateWindowRowLabelAndSheetCopy() {
    addCustomers({"A", "AB", "C"});
    customers::ensureSheet(db(), "A", "Aแผ่นที่1");
    customers::ensureSheet(db(), "AB", "ABแผ่นที่1");
    Tcuschange* window = open<Tcuschange>();
    DataGrid* grid = window->grid();
    QVERIFY(!window->findChild<QPushButton*>("DBGrid1_insert"));
    QVERIFY(!window->findChild<QPushButton*>("DBGrid1_delete"));
    QCOMPARE(shownNames(grid), (QStringList{"A", "AB", "C"}));

    clickCell(grid, 1, "t3");
    QCOMPARE(part<QLabel>(window, "Label1")->text(), QString("2/3"));

    edit(grid, 0, "h3", "x");
    QVERIFY(!grid->post());
    edit(grid, 0, "h3", "900");
    Dialogs::clear();
    auto* update = part<QPushButton>(window, "BitBtn1");
    QCOMPARE(update->text(), QString("ปรับปรุงข้อมูล"));
    update->click();
    QCOMPARE(testing::said("info"), QStringList{"ปรับปรุงข้อมูลเรียบร้อย"});
    QCOMPARE(rows("SELECT name, h3 FROM cus ORDER BY id2"),
             (QStringList{"A|900", "AB|500", "C|500", "Aแผ่นที่1|900", "ABแผ่นที่1|500"}));
    QCOMPARE(grid->view()->currentIndex().row(), 0);

    // Closing sets the codes from the names.
    db().exec("UPDATE cus SET name = 'C3' WHERE id = 'C'");
    closeWindow(window);
    QCOMPARE(rows("SELECT id FROM cus WHERE name = 'C3'"), QStringList{"C3"});
}

void CustomerWindowsTest::gridRowsGetTheRatesAndExitWritesEdits() {
    addCustomers({"A"});
    Tcuss* window = open<Tcuss>();
    DataGrid* grid = window->grid();
    part<QPushButton>(window, "DBGrid1_insert")->click();
    edit(grid, 1, "name", "N");
    QVERIFY(grid->post());
    QCOMPARE(rows("SELECT h3, l1, h5 FROM cus WHERE name = 'N'"),
             rows("SELECT h3, l1, h5 FROM change"));

    // Ending the program closes the window first: the edit not yet posted is kept.
    edit(grid, 0, "name", "A2");
    shop_->main->closeWithoutAsking();
    QVERIFY(shop_->main->hasEnded());
    auto book = Database::openFile(shop_->dir.path() + "/db/tabulox.mde");
    QCOMPARE(rowsOf(*book, "SELECT id FROM cus ORDER BY id2"), (QStringList{"A2", "N"}));
}

TABULOX_TEST(CustomerWindowsTest)
#include "customerwindows_test.moc"
