#pragma once

#include "entry/gui/tfminput.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/tempbook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The clerk types where the focus is; a test fails when it is not where the form put it.
#define QCOMPARE_FOCUS(e)                                                                          \
    QVERIFY2(form()->focusWidget() == (e),                                                         \
             qPrintable(QStringLiteral("typing into %1, focus is in %2")                           \
                            .arg((e)->objectName(), form()->focusWidget()                          \
                                                        ? form()->focusWidget()->objectName()      \
                                                        : QStringLiteral("nothing"))))

namespace testing {
// A program folder, a logged-in main window and its entry form, typed into as a clerk types.
struct EntryShop : Shop {
    using Shop::Shop;
    Tfminput* form() const { return main->entryForm(); }
    QLineEdit* edit(const char* name) const { return testing::child<QLineEdit>(form(), name); }
    QString text(const char* name) const { return testing::child<QLabel>(form(), name)->text(); }
    Database& db() { return main->own(); }

    // Types into a field and confirms with Enter, as a clerk does.
    void type(const char* field, const QString& keys) {
        QLineEdit* e = edit(field);
        QCOMPARE_FOCUS(e);
        QTest::keyClicks(e, keys);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void key(Qt::Key k) { QTest::keyClick(edit("num"), k); }
    // Digits typed with the Thai layout on, and confirmed: the number row gives
    // ๅ / - ภ ถ ุ ึ ค ต จ. Each key is sent as QTest sends one (the digit key's code), or as X11
    // gives it (the character's own code, the key in the native scan code) when asX11.
    void typeThaiLayout(const char* field, const QString& digits, bool asX11 = false) {
        static const QString row = QString::fromUtf8("ๅ/-ภถุึคตจ");
        QLineEdit* e = edit(field);
        QCOMPARE_FOCUS(e);
        for (QChar digit : digits) {
            const int onRow = (digit.digitValue() + 9) % 10;
            const QString text = row.mid(onRow, 1);
            if (asX11) {
                QKeyEvent press(QEvent::KeyPress, text[0].unicode(), Qt::NoModifier,
                                quint32(10 + onRow), 0, 0, text);
                QApplication::sendEvent(e, &press);
            } else {
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key(Qt::Key_0 + digit.digitValue()), text,
                                    Qt::NoModifier);
            }
        }
        QTest::keyClick(e, Qt::Key_Return);
    }
    // Characters no Latin key gives (Thai or full-width digits), typed one by one and confirmed.
    void typeThai(const char* field, const QString& text) {
        QLineEdit* e = edit(field);
        QCOMPARE_FOCUS(e);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void line(const QString& number, const QStringList& stakes) {
        type("num", number);
        static const char* const fields[] = {"n1", "n2", "nu3"};
        for (int i = 0; i < stakes.size(); ++i)
            type(fields[i], stakes[i]);
    }
    // A mode button of a page, clicked.
    void click(const char* button) {
        QTest::mouseClick(testing::child<QPushButton>(form(), button), Qt::LeftButton);
    }
    QStringList book(const QString& table = "tball") {
        return rowsOf(db(), QString("SELECT num,h,t,l,codeins FROM %1 ORDER BY id").arg(table));
    }
};
} // namespace testing
