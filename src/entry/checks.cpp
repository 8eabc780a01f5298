#include "entry/checks.h"

#include "common/digits.h"
#include "entry/entrymode.h"
#include "entry/stake.h"
#include "store/database.h"

#include <QRegularExpression>

#include <algorithm>

ClosedLookup closedLookup(Database& db) {
    return [&db](Kind kind, const QString& number) {
        return db.scalar(QStringLiteral("SELECT count(*) FROM numlimit2 WHERE codeins = ? AND "
                                        "num = ?"),
                         {kindCode(kind), number})
                   .toInt() > 0;
    };
}

LengthRule lengthRule(NormalMode mode) {
    const NumberLengths& allowed = entryMode(mode).lengths;
    LengthRule rule;
    for (int length = 1; length < 32; ++length) {
        if (allowed.takes(length))
            rule.lengths << length;
    }
    if (!rule.lengths.isEmpty())
        rule.warning = QStringLiteral("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข ") + rowText(allowed.warning);
    return rule;
}

ClosedResult closedCheck(NormalMode mode, const QString& number, const ClosedLookup& isClosed) {
    const closedrule::Rule rule = entryMode(mode).closedCheck;
    if (!rule || !isDigits(number))
        return {};
    return rule(number, isClosed);
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
        const ClosedResult r = closedrule::topOrBottom(number, top, bottom, isClosed);
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

bool overInputLimit(const QStringList& typed, const BetRecords& records, double limit) {
    static const QRegularExpression amount(QStringLiteral("[0-9]+"));
    QVector<double> amounts;
    for (const QString& field : typed) {
        for (auto it = amount.globalMatch(field); it.hasNext();)
            amounts << it.next().captured().toDouble();
    }
    return std::any_of(records.begin(), records.end(), [&](const BetRecord& record) {
        return record.number.size() >= 2 && record.stake > limit && amounts.contains(record.stake);
    });
}

QString inputLimitWarning(double limit) {
    return QStringLiteral("คุณป้อนข้อมูลเกิน") + QString::number(limit, 'f', 0);
}
