#include "entry/lineinput.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"
#include "entry/stake.h"

#include <QStringList>

using expand::bottomKind;
using expand::topKind;

Expansion expandLineInput(const QString& number, const QString& stakeField, bool sortDigits,
                          bool bottomBeforeTod) {
    Expansion out;
    const QString num = number.trimmed();
    if (!isDigits(num) || num.size() > 5)
        return out;
    const int length = num.size();

    QStringList parts = stakeField.trimmed().split(QLatin1Char('/'));
    if (parts.size() > 3)
        parts = QStringList{parts[0], parts[1], parts.mid(2).join(QLatin1Char('/'))};
    const int count = parts.size();
    if ((length >= 4 && count > 1) || (length == 1 && count == 3))
        return out;
    if (count == 3 && bottomBeforeTod)
        parts.swapItemsAt(1, 2);

    double amounts[3] = {0, 0, 0};
    for (int i = 0; i < count; ++i) {
        if (!parseStake(parts[i], &amounts[i])) {
            out.badStake = parts[i];
            return out;
        }
    }
    const double a = amounts[0], b = amounts[1], c = amounts[2];
    auto add = [&](const QString& n, Kind kind, double stake) {
        out.records.append({n, kind, stake});
    };
    const QString tod = length == 3 ? todForm(num, sortDigits) : num;
    const Kind todKind = length == 3 ? Kind::t3 : Kind::t2;

    if (count == 1) {
        add(num, topKind(length), a);
    } else if (count == 2) {
        // top and tod for three digits, top and bottom for one and two
        if (a != 0)
            add(num, topKind(length), a);
        add(length == 3 ? tod : num, length == 3 ? todKind : bottomKind(length), b);
    } else {
        if (a != 0)
            add(num, topKind(length), a);
        if (b != 0)
            add(tod, todKind, b);
        if (c != 0)
            add(num, bottomKind(length), c);
        out.nothingAsked = out.records.isEmpty(); // every amount 0
    }
    return out;
}
