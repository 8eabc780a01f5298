#include "spreading/todgrouping.h"

#include "common/cutsession.h"
#include "common/digits.h"
#include "spreading/spreadbook.h"

namespace spread {

Regrouped regroupTod(Database& book, const std::function<void(int percent)>& progress) {
    cut::Session session(book);
    const QVector<Total> totals = totalsOf(book, Kind::t3);
    QVector<Line> lines;
    QStringList moved;
    for (int i = 0; i < totals.size(); ++i) {
        const Total& total = totals.at(i);
        // A line without a three-digit number has no digits to sort and stays as it is.
        if (total.num.size() != 3 || !isDigits(total.num))
            continue;
        moved << total.num;
        lines.push_back({sortedDigits(total.num), Kind::t3, total.total, regroupCustomer(), i});
    }
    auto tell = [&](int done) {
        if (progress)
            progress(done * 100 / static_cast<int>(totals.size()));
    };
    replaceLines(book, Kind::t3, moved, !totals.isEmpty() && moved.size() == totals.size(), lines,
                 session.now(), [&](int source) { tell(source + 1); });
    if (!totals.isEmpty())
        tell(static_cast<int>(totals.size()));
    session.commit();
    return {static_cast<int>(totals.size()), static_cast<int>(lines.size())};
}

QString regroupCustomer() {
    return QStringLiteral("==>รวมโต๊ด");
}

QString regroupDoneText() {
    return QStringLiteral("รวมกลุ่ม 3ตัวโต๊ด เรียบร้อย");
}

} // namespace spread
