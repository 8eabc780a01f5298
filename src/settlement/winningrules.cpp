#include "settlement/winningrules.h"

#include "store/dialect.h"

namespace winning {

namespace {

enum class Reading { plain, head, twoX };

Reading readingOf(Kind kind, int mode) {
    if (kind == Kind::t2)
        return mode == 1 ? Reading::head : mode == 2 ? Reading::twoX : Reading::plain;
    if (kind == Kind::h4 || kind == Kind::h5)
        return mode == 1 ? Reading::head : Reading::plain;
    return Reading::plain;
}

void addDistinct(QStringList& list, const QString& number) {
    if (!number.isEmpty() && !list.contains(number))
        list << number;
}

QStringList arrangements(const QString& three) {
    QStringList list;
    if (three.size() != 3)
        return list;
    const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& o : orders)
        addDistinct(list, QString(three[o[0]]) + three[o[1]] + three[o[2]]);
    return list;
}

QStringList orderedPairs(const QString& three) {
    QStringList list;
    if (three.size() != 3)
        return list;
    const int pairs[6][2] = {{0, 1}, {1, 0}, {1, 2}, {2, 1}, {0, 2}, {2, 0}};
    for (const auto& p : pairs)
        addDistinct(list, QString(three[p[0]]) + three[p[1]]);
    return list;
}

int pairCount(const QString& num, QChar repeated, QChar other) {
    int count = 0;
    const int n = static_cast<int>(num.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (num[i] != repeated || num[j] != repeated)
                continue;
            for (int k = 0; k < n; ++k) {
                if (k != i && k != j && num[k] == other) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

} // namespace

Rule ruleOf(Kind kind, int mode, const Draw& draw) {
    Rule rule;
    rule.kind = kind;
    rule.top3 = draw.top3().size() == 3 ? draw.top3() : QString();
    const Reading reading = readingOf(kind, mode);
    switch (kind) {
    case Kind::h3:
        addDistinct(rule.numbers, rule.top3);
        break;
    case Kind::t3:
        rule.numbers = arrangements(rule.top3);
        break;
    case Kind::l3:
        for (const QString& bottom : draw.bottom3)
            addDistinct(rule.numbers, bottom);
        break;
    case Kind::h2:
        if (draw.top2().size() == 2)
            addDistinct(rule.numbers, draw.top2());
        break;
    case Kind::l2:
        addDistinct(rule.numbers, draw.bottom2);
        break;
    case Kind::t2:
        if (reading == Reading::head) {
            if (draw.head2().size() == 2)
                addDistinct(rule.numbers, draw.head2());
        } else if (reading == Reading::twoX) {
            rule.shape = Shape::twoX;
        } else {
            rule.numbers = orderedPairs(rule.top3);
        }
        break;
    case Kind::h1:
        for (int i = 1; i <= 3; ++i)
            addDistinct(rule.numbers, draw.topDigit(i));
        break;
    case Kind::l1:
        for (int i = 1; i <= 2; ++i)
            addDistinct(rule.numbers, draw.bottomDigit(i));
        break;
    case Kind::h4:
    case Kind::h5:
        if (reading == Reading::head) {
            const QString head = draw.head3().size() == 3 ? draw.head3() : QString();
            if (kind == Kind::h4)
                rule.numbers = arrangements(head);
            else
                addDistinct(rule.numbers, head);
        } else {
            // The repeated-digit test is made afresh for every draw.
            rule.repeat = repeatOf(rule.top3);
            rule.shape = rule.repeat.found ? Shape::groupPairs : Shape::containsAll;
        }
        break;
    }
    return rule;
}

int weight(const Rule& rule, const QString& num) {
    switch (rule.shape) {
    case Shape::numbers:
        return rule.numbers.contains(num) ? 1 : 0;
    case Shape::containsAll:
        if (rule.top3.isEmpty())
            return 0;
        for (QChar digit : rule.top3)
            if (!num.contains(digit))
                return 0;
        return 1;
    case Shape::groupPairs:
        return pairCount(num, rule.repeat.repeated, rule.repeat.other);
    case Shape::twoX: {
        if (rule.top3.isEmpty() || num.size() != 3)
            return 0;
        const bool p1 = num[0] == rule.top3[0], p2 = num[1] == rule.top3[1],
                   p3 = num[2] == rule.top3[2];
        return (p1 && p2) || (p1 && p3) || (p2 && p3) ? 1 : 0;
    }
    }
    return 0;
}

Filter filterOf(const Rule& rule, Engine engine, const QString& column) {
    Filter f;
    switch (rule.shape) {
    case Shape::numbers: {
        if (rule.numbers.isEmpty()) {
            f.nothing = true;
            break;
        }
        QStringList marks;
        for (const QString& number : rule.numbers) {
            marks << QStringLiteral("?");
            f.binds << number;
        }
        f.sql = QStringLiteral("%1 IN (%2)").arg(column, marks.join(QStringLiteral(", ")));
        break;
    }
    case Shape::containsAll:
    case Shape::groupPairs: {
        if (rule.top3.isEmpty()) {
            f.nothing = true;
            break;
        }
        QStringList parts;
        QString digits;
        for (QChar digit : rule.top3)
            if (!digits.contains(digit))
                digits += digit;
        for (QChar digit : digits) {
            parts << dialect::containsBound(engine, column);
            f.binds << QString(digit);
        }
        f.sql = parts.join(QStringLiteral(" AND "));
        break;
    }
    case Shape::twoX:
        f.nothing = rule.top3.isEmpty();
        break;
    }
    return f;
}

namespace {
// Captions of the check rows: t2, h4 and h5 follow the rule that applies.
QString checkName(Kind kind, int mode) {
    const Reading reading = readingOf(kind, mode);
    switch (kind) {
    case Kind::t2:
        return reading == Reading::head   ? QStringLiteral("หัว2ตัว")
               : reading == Reading::twoX ? QStringLiteral("2ตัวX")
                                          : QStringLiteral("คู่โต๊ด");
    case Kind::h4:
        return reading == Reading::head ? QStringLiteral("หัว3ตัวโต๊ด") : QStringLiteral("กลุ่ม4ตัว");
    case Kind::h5:
        return reading == Reading::head ? QStringLiteral("หัว3ตัว") : QStringLiteral("กลุ่ม5ตัว");
    default:
        return QString::fromUtf8(kindInfo(kind).caption);
    }
}
} // namespace

QString winText(Kind kind, int mode) {
    return checkName(kind, mode) + QStringLiteral("มีเลขถูกรางวัลจำนวน==");
}

QString noWinText(Kind kind, int mode) {
    // The two-digit-X text begins with a space, as the form has always shown it.
    const QString lead = readingOf(kind, mode) == Reading::twoX ? QStringLiteral(" ") : QString();
    return lead + checkName(kind, mode) + QStringLiteral("ไม่มีเลขถูกรางวัล");
}

QString lineCaption(Kind kind, int mode) {
    const Reading reading = readingOf(kind, mode);
    switch (kind) {
    case Kind::t2:
        return reading == Reading::head   ? QStringLiteral("หัว2ตัว")
               : reading == Reading::twoX ? QStringLiteral("เลข2X")
                                          : QStringLiteral("คู่โต๊ด");
    case Kind::h4:
        return reading == Reading::head ? QStringLiteral("หัว3ตัวโต๊ด") : QStringLiteral("4ตัว");
    case Kind::h5:
        return reading == Reading::head ? QStringLiteral("หัว3ตัว") : QStringLiteral("5ตัว");
    default:
        return QString::fromUtf8(kindInfo(kind).caption);
    }
}

} // namespace winning
