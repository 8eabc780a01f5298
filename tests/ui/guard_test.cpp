#include "store/database.h"
#include "support/testmain.h"
#include "ui/dialogs.h"
#include "ui/guardedapplication.h"

#include <QPushButton>
#include <stdexcept>

// An error that escapes a window's handler is shown, and the program goes on.
class GuardTest : public testing::Test {
    Q_OBJECT
private slots:

    void databaseErrorIsShown() {
        QPushButton button;
        connect(&button, &QPushButton::clicked, [] { throw StoreError("database is locked"); });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(Dialogs::asked().size(), 1);
        QCOMPARE(Dialogs::last().kind, QString("warning"));
        QCOMPARE(Dialogs::last().text, GuardedApplication::messageFor("database is locked"));
        // The next event is delivered as usual.
        int clicks = 0;
        QPushButton other;
        connect(&other, &QPushButton::clicked, [&clicks] { ++clicks; });
        other.show();
        QTest::mouseClick(&other, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void otherErrorsToo() {
        QPushButton button;
        connect(&button, &QPushButton::clicked, [] { throw std::runtime_error("out of range"); });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, GuardedApplication::messageFor("out of range"));
    }
};

TABULOX_TEST(GuardTest)
#include "guard_test.moc"
