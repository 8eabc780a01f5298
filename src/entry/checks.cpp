#include "entry/checks.h"

#include "entry/digits.h"
#include "entry/stake.h"
#include "store/database.h"
#include "store/kindrow.h"

#include <QSqlQuery>

ClosedLookup closedLookup(Database& db) {
    return [&db](Kind kind, const QString& number) {
        return db.scalar(QStringLiteral("SELECT count(*) FROM numlimit2 WHERE codeins = ? AND "
                                        "num = ?"),
                         {kindCode(kind), number})
                   .toInt() > 0;
    };
}

LengthRule lengthRule(NormalMode mode) {
    const QString head = QStringLiteral("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข ");
    switch (mode) {
    case NormalMode::F1:
        return {{3, 4, 5}, head + QStringLiteral("3,4,5ตัว เท่านั้น")};
    case NormalMode::F2:
    case NormalMode::F2TopOnly:
    case NormalMode::F2TodOnly:
    case NormalMode::Menu6:
    case NormalMode::Menu7:
        return {{3}, head + QStringLiteral("3 ตัวเท่านั้น")};
    case NormalMode::Menu1:
    case NormalMode::Menu5:
        return {{2, 3}, head + QStringLiteral("2,3 ตัวเท่านั้น")};
    case NormalMode::F4:
        return {{1, 2, 3}, head + QStringLiteral("1, 2,3 ตัวเท่านั้น")};
    case NormalMode::F8:
    case NormalMode::F8NoReverse:
    case NormalMode::F4TopOnly:
    case NormalMode::F5BottomOnly:
        return {{2}, head + QStringLiteral("2 ตัวเท่านั้น")};
    case NormalMode::F6TopOnly:
    case NormalMode::F6BottomOnly:
        return {{1}, head + QStringLiteral("1 ตัวเท่านั้น")};
    case NormalMode::F3:
    case NormalMode::F6:
    case NormalMode::F7:
    case NormalMode::F10:
        return {{1, 2, 3}, head + QStringLiteral("1,2,3 ตัวเท่านั้น")};
    case NormalMode::F5:
        return {{1, 2}, head + QStringLiteral("1,2 ตัวเท่านั้น")};
    case NormalMode::F9:
        break;
    }
    return {};
}

namespace {
ClosedResult closedAs(const QString& number, const QString& text) {
    return {true, number + text, false};
}

// The last closed of numbers for a kind; empty when none is.
QString lastClosed(const QStringList& numbers, Kind kind, const ClosedLookup& isClosed) {
    QString last;
    for (const QString& n : numbers) {
        if (isClosed(kind, n))
            last = n;
    }
    return last;
}

// Top and bottom of one number: the bottom message wins when both are closed.
ClosedResult topOrBottom(const QString& number, Kind top, Kind bottom,
                         const ClosedLookup& isClosed) {
    if (isClosed(bottom, number))
        return closedAs(number, QStringLiteral(" ล่างเป็นเลขปิดรับ"));
    if (isClosed(top, number))
        return closedAs(number, QStringLiteral(" บนเป็นเลขปิดรับ"));
    return {};
}
} // namespace

ClosedResult closedCheck(NormalMode mode, const QString& number, const ClosedLookup& isClosed) {
    const int n = number.size();
    if (!isDigits(number))
        return {};
    switch (mode) {
    case NormalMode::F1:
    case NormalMode::F9:
    case NormalMode::F4:
        if (n == 3) {
            QStringList closed;
            for (const QString& a : arrangements(number)) {
                if (isClosed(Kind::h3, a))
                    closed << a;
            }
            if (closed.isEmpty())
                return {};
            const bool onlyStraight = closed.count(number) == closed.size();
            return closedAs(closed.last(), onlyStraight ? QStringLiteral(" บนเป็นเลข ปิดรับ")
                                                        : QStringLiteral(" บนเป็นเลขปิดรับ"));
        }
        if (n == 2 && mode == NormalMode::F4) {
            const QString last = lastClosed({number, reverseOf(number)}, Kind::h2, isClosed);
            if (last.isEmpty())
                return {};
            return {true, last + QStringLiteral(" บนเป็นเลขปิดรับ"), true};
        }
        return {};
    case NormalMode::F4TopOnly:
        if (n == 2) {
            const QString last = lastClosed({number, reverseOf(number)}, Kind::h2, isClosed);
            if (!last.isEmpty())
                return {true, last + QStringLiteral(" บนเป็นเลขปิดรับ"), true};
        }
        return {};
    case NormalMode::F5:
    case NormalMode::F5BottomOnly:
        if (n == 2) {
            const QString last = lastClosed({number, reverseOf(number)}, Kind::l2, isClosed);
            if (!last.isEmpty())
                return closedAs(last, QStringLiteral(" ล่างเป็นเลขปิดรับ"));
        }
        return {};
    case NormalMode::F6:
    case NormalMode::F6TopOnly:
    case NormalMode::F6BottomOnly:
        if (n == 2)
            return topOrBottom(number, Kind::h2, Kind::l2, isClosed);
        if (n == 3)
            return topOrBottom(number, Kind::h3, Kind::l3, isClosed);
        return {};
    case NormalMode::F2:
    case NormalMode::F2TopOnly:
    case NormalMode::F2TodOnly:
    case NormalMode::F7:
        if (n == 3) {
            if (isClosed(Kind::h3, number))
                return closedAs(number, QStringLiteral(" บน  เป็นเลขปิดรับ"));
            if (isClosed(Kind::t3, number))
                return closedAs(number, QStringLiteral(" โต๊ด เป็นเลขปิดรับ"));
        }
        if (n == 2 && mode == NormalMode::F7 && isClosed(Kind::h2, number))
            return closedAs(number, QStringLiteral(" บน เป็นเลขปิดรับ"));
        return {};
    case NormalMode::F8:
    case NormalMode::F8NoReverse:
        if (n == 2 && isClosed(Kind::h2, number))
            return closedAs(number, QStringLiteral(" บน เป็นเลขปิดรับ"));
        return {};
    case NormalMode::F3:
        if (n == 3 && isClosed(Kind::l3, number))
            return closedAs(number, QStringLiteral(" ล่าง  เป็นเลขปิดรับ"));
        return {};
    default:
        return {};
    }
}

AllInOneCheck allInOneCheck(const QString& number, const QString& stakeField,
                            const ClosedLookup& isClosed) {
    AllInOneCheck check;
    if (!isDigits(number) || (number.size() != 2 && number.size() != 3))
        return check;
    const OperatorField field = splitOperatorField(stakeField);
    const QChar op = field.op;
    const bool plain = op.isNull();
    const bool leading = !plain && field.leading;
    const bool between = !plain && !field.leading;
    auto single = [&](Kind kind, const QString& text) {
        if (isClosed(kind, number)) {
            check.closed = true;
            check.message = number + text;
        }
    };
    auto both = [&](const QStringList& numbers, Kind kind, const QString& text) {
        check.alwaysBlocks = true;
        for (const QString& n : numbers) {
            if (isClosed(kind, n)) {
                check.closed = true;
                check.message = number + text;
            }
        }
    };
    auto topBottom = [&](Kind top, Kind bottom) {
        check.alwaysBlocks = true;
        const ClosedResult r = topOrBottom(number, top, bottom, isClosed);
        check.closed = r.closed;
        check.message = r.message;
    };
    if (number.size() == 3) {
        if (plain || (leading && op == QLatin1Char('+')) || (between && op == QLatin1Char('*')))
            single(Kind::h3, QStringLiteral(" บนเป็นเลขปิดรับ"));
        else if (between && op == QLatin1Char('+'))
            single(Kind::h3, QStringLiteral(" บน เป็นเลขปิดรับ"));
        else if (leading && op == QLatin1Char('-'))
            single(Kind::l3, QStringLiteral(" ล่างเป็นเลขปิดรับ"));
        else if (between && op == QLatin1Char('/'))
            topBottom(Kind::h3, Kind::l3);
    } else {
        const QStringList pair = {number, reverseOf(number)};
        if (plain)
            single(Kind::h2, QStringLiteral(" บนเป็นเลขปิดรับ"));
        else if (leading && op == QLatin1Char('-'))
            single(Kind::l2, QStringLiteral(" ล่าง เป็นเลขปิดรับ"));
        else if (between && op == QLatin1Char('+'))
            both(pair, Kind::h2, QStringLiteral(" บนเป็นเลขปิดรับ "));
        else if (between && op == QLatin1Char('-'))
            both(pair, Kind::l2, QStringLiteral(" ล่างเป็นเลขปิดรับ"));
        else if (between && op == QLatin1Char('/'))
            topBottom(Kind::h2, Kind::l2);
    }
    return check;
}

bool overInputLimit(const QString& stake, double limit, int numberLength, bool exempt) {
    double value = 0;
    if (!parseStake(stake, &value))
        value = 0;
    return !exempt && numberLength >= 2 && value > limit;
}

QString inputLimitWarning(double limit) {
    return QStringLiteral("คุณป้อนข้อมูลเกิน") + QString::number(limit, 'f', 0);
}

std::array<bool, kKindCount> kindsOverLimit(Database& db) {
    return kindsOverLimit(db, kindrow::read(db, QStringLiteral("change2")));
}

std::array<bool, kKindCount> kindsOverLimit(Database& db, const QStringList& limits) {
    std::array<bool, kKindCount> over{};
    if (limits.size() < kKindCount)
        return over;
    for (Kind kind : columnOrder()) {
        const double limit = limits.at(static_cast<int>(kind)).toDouble();
        const QString view = kind == Kind::t3 ? QStringLiteral("qt3") : kindCode(kind);
        const QString column = stakeColumn(kind);
        // The first number over the limit answers; no need to count them all.
        over[static_cast<size_t>(kind)] =
            db.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %2 WHERE %1 > ?)").arg(column, view),
                      {limit})
                .toInt() > 0;
    }
    return over;
}
