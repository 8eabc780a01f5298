#pragma once

#include <QString>
#include <array>

class Database;

// The draw as typed into the six boxes of the check windows, and the numbers read from it.
// Characters are compared as text: a draw with letters matches nothing.
struct Draw {
    QString first;                  // first prize, up to six characters
    QString bottom2;                // two digits bottom
    std::array<QString, 4> bottom3; // the four three-digit bottoms

    // Three characters get "000" in front; an empty first prize becomes "000000".
    static QString paddedFirst(const QString& typed);
    // A first prize is six characters; three (padded) or none (zeros) stand for six.
    static bool firstTaken(const QString& typed) { return paddedFirst(typed).size() == 6; }

    QString top3() const { return first.right(3); }
    QString top2() const { return first.right(2); }
    QString head3() const { return first.left(3); }
    QString head2() const { return first.left(2); }
    // The digit at position 1..3 of top3; empty when top3 is shorter.
    QString topDigit(int position) const;
    QString bottomDigit(int position) const; // 1..2 of bottom2
};

// top3's repeated digit and the other digit; three equal digits give the same digit twice.
struct Repeat {
    bool found = false;
    QChar repeated;
    QChar other;
};
Repeat repeatOf(const QString& top3);

// The one-row table checkdata keeps the draw from one check to the next.
namespace drawstore {
Draw load(Database& db);
// Writes the six columns in one statement; the caller holds the transaction.
void store(Database& db, const Draw& draw);
} // namespace drawstore
