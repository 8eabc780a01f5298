#include "common/settings.h"
#include "cutting/autocut.h"
#include "cutting/gui/tautocut.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "store/database.h"
#include "store/defaults.h"
#include "store/kindrow.h"
#include "support/entryshop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
void autoCutOn(SettingsRecord& settings) {
    settings.set(Autocut::ex, QStringLiteral("1"));
    settings.set(Autocut::tim, QStringLiteral("60000"));
}

QAction* command(Tmain* main, const QString& caption) {
    for (QAction* action : testing::menuActions(main, {QStringLiteral("(3)แสดงยอด")})) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

Tfminput* entryForm(Tmain* main) {
    return main->findChild<Tfminput*>();
}
} // namespace

class AutoCutTest : public testing::Test {
    Q_OBJECT
private slots:
    void countdownToTheNextCut() {
        autocut::Countdown countdown(10000);
        QList<int> percents;
        QList<int> seconds;
        for (int i = 0; i < 10; ++i) {
            const autocut::Countdown::Shown shown = countdown.tick();
            percents << shown.percent;
            seconds << shown.secondsLeft;
            QCOMPARE(shown.red, shown.percent > 80);
            QCOMPARE(shown.warnRows, shown.percent >= 95);
        }
        QCOMPARE(percents, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QCOMPARE(seconds, (QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        // A cut restarts it at 0 percent.
        countdown.restart();
        QCOMPARE(countdown.tick().percent, 0);
        QCOMPARE(countdown.tick().percent, 10);
    }

    void offLeavesTheFormWithoutIt() {
        testing::Shop shop;
        Tfminput* form = entryForm(shop.main.get());
        QVERIFY(form);
        QVERIFY(!testing::child<QPushButton>(form, "Label21")->isEnabled());
        QVERIFY(testing::child<QProgressBar>(form, "pg2")->isHidden());
        QVERIFY(!testing::child<QTimer>(form, "Timer6")->isActive());
        QVERIFY(
            command(shop.main.get(), QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"))->isVisible());
        QVERIFY(!command(shop.main.get(), QStringLiteral("10.ยอดส่ง จากการตัดยอดเกิน แบบอัตโนมัติ"))
                     ->isVisible());
    }

    void onCutsOnlyTheKindsOverTheLimit() {
        testing::Shop shop(autoCutOn);
        Tmain* main = shop.main.get();
        Tfminput* form = entryForm(main);
        QVERIFY(form);
        QVERIFY(testing::child<QPushButton>(form, "Label21")->isEnabled());
        QVERIFY(!testing::child<QProgressBar>(form, "pg2")->isHidden());
        QVERIFY(testing::child<QTimer>(form, "Timer6")->isActive());
        QCOMPARE(testing::child<QTimer>(form, "Timer6")->interval(), 60000);
        QVERIFY(Dialogs::asked().last().text.contains(QStringLiteral("อัตโนมัติ")));
        QVERIFY(!command(main, QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"))->isVisible());
        QVERIFY(command(main, QStringLiteral("10.ยอดส่ง จากการตัดยอดเกิน แบบอัตโนมัติ"))->isVisible());

        std::unique_ptr<Database> book = main->desk().openShared();
        kindrow::write(*book, QStringLiteral("change2"), static_cast<int>(Kind::t2),
                       QStringLiteral("100"));
        kindrow::write(*book, QStringLiteral("change2"), static_cast<int>(Kind::h3),
                       QStringLiteral("1000"));
        book->exec("INSERT INTO tball (num, t, cus, codeins) VALUES ('12', 150, 'ก', 't2')");
        book->exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('123', 900, 'ก', 'h3')");
        form->onTimer6();
        QCOMPARE(shop.platform->sounds.size(), 1);
        QCOMPARE(rowsOf(*book, "SELECT num, t, cus FROM tball WHERE codeins = 't2'"),
                 QStringList{"12|100|การตัดยอด"});
        QCOMPARE(rowsOf(*book, "SELECT num, h, cus FROM tball WHERE codeins = 'h3'"),
                 QStringList{"123|900|ก"});
        QCOMPARE(rowsOf(*book, "SELECT num, t FROM t2sent"), QStringList{"12|50"});
        QCOMPARE(testing::child<QLabel>(form, "total_t2")->text(), QStringLiteral("100"));

        // The countdown shows the seconds left, red above 80 percent.
        auto* button = testing::child<QPushButton>(form, "Label21");
        form->onTimer7();
        QCOMPARE(testing::child<QProgressBar>(form, "pg2")->value(), 0);
        QCOMPARE(button->text(), QStringLiteral("60"));
        for (int i = 0; i < 50; ++i)
            form->onTimer7();
        QVERIFY(button->styleSheet().contains(QStringLiteral("red")));

        // The button cuts every kind at once.
        book->exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('123', 500, 'ก', 'h3')");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(rowsOf(*book, "SELECT num, h, cus FROM tball WHERE codeins = 'h3'"),
                 QStringList{"123|1000|การตัดยอด"});
    }

    void aLineBeingTypedComesFirst() {
        testing::EntryShop shop(autoCutOn);
        Tfminput* form = shop.form();
        std::unique_ptr<Database> book = shop.main->desk().openShared();
        kindrow::write(*book, QStringLiteral("change2"), static_cast<int>(Kind::t2),
                       QStringLiteral("100"));
        kindrow::write(*book, QStringLiteral("change2"), static_cast<int>(Kind::l2),
                       QStringLiteral("10"));
        kindrow::write(*book, QStringLiteral("change2"), static_cast<int>(Kind::h3),
                       QStringLiteral("100000"));
        book->exec("INSERT INTO tball (num, t, cus, codeins) VALUES ('12', 150, 'ก', 't2')");
        book->exec("INSERT INTO tball (num, l, cus, codeins) VALUES ('34', 50, 'ก', 'l2')");
        const auto lineId = [&] {
            return book->scalar("SELECT max(id) FROM tball WHERE num = '555'").toLongLong();
        };
        const auto cutId = [&](const char* kind) {
            return book
                ->scalar("SELECT min(id) FROM tball WHERE cus = 'การตัดยอด' AND codeins = ?",
                         {QLatin1String(kind)})
                .toLongLong();
        };

        // The timer finds a number half typed: nothing is cut until its line is done.
        QTest::keyClicks(shop.edit("num"), "555");
        QVERIFY(form->lineUnderWay());
        form->onTimer6();
        form->onTimer7();
        QCOMPARE(cutId("t2"), 0);
        QTest::keyClick(shop.edit("num"), Qt::Key_Return);
        shop.type("n1", "10");
        shop.type("n2", "0");
        QVERIFY(lineId() > 0);
        QTRY_VERIFY(cutId("l2") > 0);
        QVERIFY(cutId("t2") > lineId());
        QCOMPARE(rowsOf(*book, "SELECT num, l FROM tball WHERE codeins = 'l2'"),
                 QStringList{"34|10"});

        // A line confirmed while the kinds are cut one by one waits for one cut only.
        book->exec("INSERT INTO tball (num, t, cus, codeins) VALUES ('12', 150, 'ก', 't2')");
        book->exec("INSERT INTO tball (num, l, cus, codeins) VALUES ('34', 50, 'ก', 'l2')");
        book->exec("DELETE FROM tball WHERE num = '555'");
        book->exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('123', 5, 'ก', 'h3')");
        form->cutNow(); // h3 first, then every other kind in turn
        QCOMPARE(cutId("h3") > 0, true);
        QCOMPARE(cutId("t2") > 0 && cutId("t2") < cutId("h3"), true); // the earlier cut's line
        shop.line("555", {"10", "0"});
        const qint64 line = lineId();
        QTRY_COMPARE(rowsOf(*book, "SELECT num, l FROM tball WHERE codeins = 'l2'"),
                     QStringList{"34|10"});
        QVERIFY(book->scalar("SELECT min(id) FROM tball WHERE codeins = 'l2'").toLongLong() > line);
    }

    void stationNeverCuts() {
        testing::Shop shop([](SettingsRecord& settings) {
            autoCutOn(settings);
            settings.set(Cstr::tran, QStringLiteral("1"));
            settings.set(Backc::back20, QStringLiteral("1"));
        });
        Tfminput* form = entryForm(shop.main.get());
        QVERIFY(form);
        QVERIFY(!testing::child<QTimer>(form, "Timer6")->isActive());
        QVERIFY(!testing::child<QPushButton>(form, "Label21")->isEnabled());
        QVERIFY(
            command(shop.main.get(), QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"))->isVisible());
    }

    void settingsWindowWritesAndEndsTheProgram() {
        testing::Shop shop;
        Tmain* main = shop.main.get();
        Dialogs::setNextText(QStringLiteral("wrong"));
        testing::findAction(main, QStringLiteral("15.การตัดยอดเกินอั้น แบบอัตโนมัติ"))->trigger();
        QVERIFY(!main->findChild<Tautocut*>());
        Dialogs::setNextText(defaults::setupPassword());
        testing::findAction(main, QStringLiteral("15.การตัดยอดเกินอั้น แบบอัตโนมัติ"))->trigger();
        auto* window = main->findChild<Tautocut*>();
        QVERIFY(window);
        QVERIFY(testing::child<QRadioButton>(window, "off")->isChecked());
        testing::child<QRadioButton>(window, "on")->click();
        auto* interval = testing::child<QComboBox>(window, "interval");
        interval->setCurrentIndex(2);
        emit interval->activated(2);
        std::unique_ptr<Database> book = main->desk().openShared();
        const autocut::Setting setting = autocut::read(*book);
        QVERIFY(setting.on);
        QCOMPARE(setting.intervalMs, 300000);
        window->close();
        QCOMPARE(shop.platform->endedPrograms.size(), 1);
    }
};

TABULOX_TEST(AutoCutTest)
#include "autocut_test.moc"
