#pragma once

#include "entry/normalmodes.h"
#include "recordtext.h"

#include <QTest>

// Table-driven cases of entry-mode expansions: a mode, a number, its stakes, options and the
// records expected (recordText form).
namespace modecases {

inline void columns() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("nu3");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("expected");
}

inline void row(const char* name, NormalMode mode, const char* number, const char* n1,
                const char* n2, const char* nu3, const char* flags, const QString& expected) {
    QTest::newRow(name) << int(mode) << QString::fromUtf8(number) << QString::fromUtf8(n1)
                        << QString::fromUtf8(n2) << QString::fromUtf8(nu3)
                        << QString::fromUtf8(flags) << expected;
}

// flags: unsorted, f4c, f7c, f7c2off, naming1, naming2
inline NormalOptions optionsFrom(const QString& flags) {
    NormalOptions o;
    o.sortDigits = !flags.contains("unsorted");
    o.addStraightToSet = flags.contains("f4c");
    o.bottomBeforeTod = flags.contains("f7c") && !flags.contains("f7c2off");
    o.twoDigitsTopBottomOnly = !flags.contains("f7c2off");
    o.kindNamingMode = flags.contains("naming1") ? 1 : flags.contains("naming2") ? 2 : 0;
    return o;
}

// The current row's expansion against its expected records.
inline void check() {
    QFETCH(int, mode);
    QFETCH(QString, number);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(QString, nu3);
    QFETCH(QString, flags);
    QFETCH(QString, expected);
    const Expansion e =
        expandNormal(NormalMode(mode), number, Stakes{n1, n2, nu3}, optionsFrom(flags));
    QCOMPARE(recordText(e), expected);
}

} // namespace modecases
