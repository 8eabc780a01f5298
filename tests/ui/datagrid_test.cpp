#include "store/database.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QSqlTableModel>

// One post of a grid is one transaction.
class DataGridTest : public testing::Test {
    Q_OBJECT
private slots:

    void postIsAllOrNothing() {
        TempBook book;
        Database& db = book.db();
        db.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, v TEXT UNIQUE)");
        db.exec("INSERT INTO t (id, v) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
        DataGrid grid("grid", DataGrid::none);
        grid.open(db.handle(), "t", {{"v", "v"}}, "id");
        grid.reselect(true);
        QSqlTableModel* model = grid.model();
        const int v = grid.columnOf("v");
        // The first edit alone is fine, the second clashes with it.
        model->setData(model->index(0, v), "x");
        model->setData(model->index(2, v), "x");
        QVERIFY(!grid.post());
        QCOMPARE(Dialogs::last().kind, QString("warning"));
        QVERIFY(Dialogs::last().text.startsWith("ไม่ได้บันทึกข้อมูลที่แก้ไข: "));
        QCOMPARE(rowsOf(db, "SELECT v FROM t ORDER BY id"), (QStringList{"a", "b", "c"}));
        // The grid shows the table as it is.
        QVERIFY(!model->isDirty());
        QCOMPARE(grid.value(0, "v").toString(), QString("a"));
        model->setData(model->index(0, v), "x");
        model->setData(model->index(2, v), "y");
        QVERIFY(grid.post());
        QCOMPARE(rowsOf(db, "SELECT v FROM t ORDER BY id"), (QStringList{"x", "b", "y"}));
    }
};

TABULOX_TEST(DataGridTest)
#include "datagrid_test.moc"
