#include "common/settings.h"
#include "common/settingsload.h"
#include "store/defaults.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <functional>

class SettingsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void numbersReadAsWholeNumbers();
    void fieldsByName();
    void emenuPositions();
    void switchesReadOneWay();
    void loadReplacesCustomersAndFirstBackcFields();
    void loadFromBrokenFileChangesNothing();
};

void SettingsTest::numbersReadAsWholeNumbers() {
    QCOMPARE(wholeNumber(""), 0);
    QCOMPARE(wholeNumber("abc"), 0);
    QCOMPARE(wholeNumber(" 42 "), 42);
    QCOMPARE(wholeNumber("12.9"), 12);
    QCOMPARE(wholeNumber("-3.7"), -3);
    QCOMPARE(wholeNumber("1e20"), 0);
}

void SettingsTest::fieldsByName() {
    TempBook book;
    SettingsRecord settings(book.db());
    settings.set(Backc::back22, "");
    QCOMPARE(settings.number(Backc::back22), 0);
    settings.set(Backc::back13, "2");
    settings.set(Backc::back29, "1");
    QCOMPARE(settings.number(Backc::back13), 2);
    QCOMPARE(rowsOf(book.db(), "SELECT back13, back29 FROM backc"), QStringList{"2|1"});
    settings.set(Cstr::tran, "1");
    QCOMPARE(settings.text(Cstr::tran), QString("1"));
    settings.set(InputLimit::l1, "5000");
    QCOMPARE(settings.number(InputLimit::l1), 5000);
    settings.set(Autocut::tim, "300000");
    QCOMPARE(settings.number(Autocut::tim), 300000);
    settings.set(AutoInput::disp1, "1");
    QCOMPARE(settings.text(AutoInput::disp1), QString("1"));
    // A value with quotes is stored as typed.
    settings.set(Cstr::cstr2, "C:\\a \"b\"/");
    QCOMPARE(settings.text(Cstr::cstr2), QString("C:\\a \"b\"/"));
}

// Every switch reads "1" as on and "0" as off; an empty field (as a settings load leaves
// back20 to back29) reads as a new book holds it.
void SettingsTest::switchesReadOneWay() {
    TempBook book;
    SettingsRecord settings(book.db());
    struct Switch {
        const char* name;
        std::function<void(const QString&)> set;
        std::function<bool()> read;
        bool newBook;
    };
    auto field = [&settings](auto f) {
        return [&settings, f](const QString& v) { settings.set(f, v); };
    };
    const QList<Switch> switches = {
        {"back5 separate digits", field(Backc::back5), [&] { return settings.separateDigits(); },
         false},
        {"back4 refresh", field(Backc::back4), [&] { return settings.refreshRequested(); }, false},
        {"back15 news", field(Backc::back15), [&] { return settings.newsPage(); }, false},
        {"back19 fifty percent", field(Backc::back19), [&] { return settings.fiftyPercent(); },
         false},
        {"back21 by name", field(Backc::back21), [&] { return settings.customersByName(); }, false},
        {"back23 closed warning", field(Backc::back23), [&] { return settings.closedWarning(); },
         false},
        {"back26 red warning", field(Backc::back26), [&] { return settings.redWarning(); }, false},
        {"back27 watched", field(Backc::back27), [&] { return settings.watchNumbers(); }, false},
        {"disp1 name warning", field(Disp::disp1), [&] { return settings.warnName(); }, false},
        {"disp2 key sound", field(Disp::disp2), [&] { return settings.keySound(); }, true},
        {"disp3 autorun", field(Disp::disp3), [&] { return settings.autorun(); }, false},
        {"auto input", field(AutoInput::disp1), [&] { return settings.autoInput(); }, false},
    };
    for (const Switch& s : switches) {
        s.set("1");
        QVERIFY2(s.read(), s.name);
        s.set("0");
        QVERIFY2(!s.read(), s.name);
        s.set("");
        QVERIFY2(s.read() == s.newBook, s.name);
    }
    // The new book's values are the seeds: a fresh book reads them all the same way.
    TempBook fresh;
    SettingsRecord seeded(fresh.db());
    QVERIFY(!seeded.closedWarning() && !seeded.separateDigits() && seeded.keySound());
    QVERIFY(!SettingsRecord::isStation("") && SettingsRecord::isStation("1"));
    settings.set(Backc::back13, "7");
    QCOMPARE(settings.kindNamingMode(), 0);
    settings.set(InputLimit::l1, "3000000000");
    QCOMPARE(settings.inputLimit(), qint64(3000000000));
}

void SettingsTest::emenuPositions() {
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::f1), 0);
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::f10), 9);
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::t2), 19);
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::f1t), 22);
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::t1), 29);
    QCOMPARE(SettingsRecord::emenuPosition(Emenu::f10t), 32);
    TempBook book;
    SettingsRecord settings(book.db());
    settings.set(Emenu::f9t, "ทดสอบ");
    QCOMPARE(settings.text(Emenu::f9t), QString("ทดสอบ"));
}

void SettingsTest::loadReplacesCustomersAndFirstBackcFields() {
    TempBook own;
    TempBook other;
    own.db().exec("INSERT INTO cus (id, name) VALUES ('old', 'old')");
    other.db().exec("INSERT INTO cus (id, name, c3hp, c5hp, h3, h5) VALUES "
                    "('สมชาย \"ก\"', 'สมชาย \"ก\"', 25, 15, 800, 90)");
    SettingsRecord from(other.db());
    from.set(Cstr::cstr2, "//SERVER/");
    from.set(Pass::pass, "38766");
    from.set(Backc::back10, "7");
    from.set(Backc::back21, "1");
    other.db().exec("UPDATE change SET h3 = 650");
    QVector<int> steps;
    loadSettings(own.db(), other.db(), [&](int step) { steps << step; });
    QCOMPARE(steps.last(), 100);
    QCOMPARE(rowsOf(own.db(), "SELECT id, name, c3hp, c5hp, h3, h5 FROM cus"),
             QStringList{"สมชาย \"ก\"|สมชาย \"ก\"|25|15|800|90"});
    SettingsRecord settings(own.db());
    QCOMPARE(settings.text(Cstr::cstr2), QString("//SERVER/"));
    QCOMPARE(settings.text(Pass::pass), QString("38766"));
    QCOMPARE(settings.text(Backc::back10), QString("7"));
    QCOMPARE(settings.text(Backc::back21), QString()); // beyond the first 19 fields: empty
    QCOMPARE(rowsOf(own.db(), "SELECT h3 FROM change"), QStringList{"650"});
}

void SettingsTest::loadFromBrokenFileChangesNothing() {
    TempBook own;
    TempBook other;
    own.db().exec("INSERT INTO cus (id, name) VALUES ('keep', 'keep')");
    other.db().exec("DROP TABLE change3");
    QVERIFY_THROWS_EXCEPTION(StoreError, loadSettings(own.db(), other.db(), [](int) {}));
    QCOMPARE(rowsOf(own.db(), "SELECT name FROM cus"), QStringList{"keep"});
    QCOMPARE(SettingsRecord(own.db()).text(Pass::pass), defaults::storedPassword());
}

TABULOX_TEST(SettingsTest)
#include "settings_test.moc"
