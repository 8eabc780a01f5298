#include "spreading/conversions.h"

#include "common/cutsession.h"
#include "common/digits.h"
#include "spreading/spreadbook.h"

#include <QSqlQuery>

namespace spread {

namespace {

TodForms readTodForms(Database& book) {
    QSqlQuery query = book.exec(QStringLiteral("SELECT num FROM tot"));
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString();
    return todForms(rows);
}

NumberSpread spreadOne(Conversion conversion, const Total& total, const Options& options,
                       const TodForms& forms) {
    switch (conversion) {
    case Conversion::todToTop:
        return todToTop(total.num, total.total, options.margin, options.threeDoorsOnly);
    case Conversion::runToTop:
        return runToTop(total.num, total.total, options.deductDiscount, options.discount);
    case Conversion::twoToTop:
        return twoToTop(total.num, total.total, options.margin);
    case Conversion::fourToTod:
        return total.num.size() == 4 ? groupToTod(total.num, total.total, forms) : NumberSpread{};
    case Conversion::fiveToTod:
        return total.num.size() == 5 ? groupToTod(total.num, total.total, forms) : NumberSpread{};
    case Conversion::runToTwo:
        return runToTwo(total.num, total.total);
    case Conversion::topToTod:
        break;
    }
    return {};
}

} // namespace

const std::array<ConversionInfo, 7>& conversions() {
    static const std::array<ConversionInfo, 7> table = {{
        {Conversion::todToTop, Kind::t3, Kind::h3, "กระจายเลข3ตัวโต๊ด=>>3ตัวบน", "กระจาย3ตัวโต๊ด", "T",
         "กระจาย3ตัวโต๊ดเรียบร้อย", "Start"},
        {Conversion::topToTod, Kind::h3, Kind::t3, "กระจายเลข3ตัวบน=>>3ตัวโต๊ด",
         "กระจาย3ตัวบน6กลับ =5/6", "T", "กระจาย3ตัวบน เรียบร้อย", "Start"},
        {Conversion::runToTop, Kind::h1, Kind::h3, "กระจายเลขวิ่งบน=>>3ตัวบน", "กระจายเลขวิ่งบน", "1H",
         "กระจายวิ่งบนเรียบร้อย", "เริ่มต้น"},
        {Conversion::twoToTop, Kind::h2, Kind::h3, "กระจาย2ตัวบน=>>3ตัวบน", "กระจาย2ตัวบน", "2H",
         "กระจาย2ตัวบนเรียบร้อย", "Start"},
        {Conversion::fourToTod, Kind::h4, Kind::t3, "กระจาย4ตัว=>>3ตัวโต๊ด", "กระจายเลข4ตัว", "4H",
         "กระจาย4ตัวบนเรียบร้อย", "Start"},
        {Conversion::fiveToTod, Kind::h5, Kind::t3, "กระจาย5ตัว=>>3ตัวโต๊ด", "กระจายเลข5ตัว", "5H",
         "กระจาย5ตัวบนเรียบร้อย", "Start"},
        {Conversion::runToTwo, Kind::l1, Kind::l2, "กระจายเลขวิ่งล่าง=>>2ตัวล่าง", "กระจายเลขวิ่งล่าง",
         "1L", "กระจายวิ่งล่างเรียบร้อย", "เริ่มต้น"},
    }};
    return table;
}

const ConversionInfo& infoOf(Conversion conversion) {
    return conversions()[static_cast<size_t>(conversion)];
}

Result convert(Database& book, Conversion conversion, const Options& options,
               const std::function<void(const Progress&)>& progress) {
    const ConversionInfo& info = infoOf(conversion);
    cut::Session session(book);
    const QVector<Total> totals = totalsOf(book, info.source);
    Result result;
    result.numbers = totals.size();

    QVector<Line> lines;
    QStringList spread;
    if (conversion == Conversion::topToTod) {
        TopToTod groups = topToTod(totals, options.fullAmount);
        lines = groups.lines;
        spread = groups.spread;
    } else {
        const TodForms forms =
            conversion == Conversion::fourToTod || conversion == Conversion::fiveToTod
                ? readTodForms(book)
                : TodForms();
        for (int i = 0; i < totals.size(); ++i) {
            NumberSpread one = spreadOne(conversion, totals.at(i), options, forms);
            if (!one.spread)
                continue;
            spread << totals.at(i).num;
            for (Line& line : one.lines) {
                line.source = i;
                lines << line;
            }
        }
    }
    result.spread = spread.size();
    result.lines = lines.size();
    for (const Line& line : lines)
        result.written += line.stake;

    auto tell = [&](int done) {
        if (!progress)
            return;
        Progress step{done, static_cast<int>(totals.size()), QString()};
        if (conversion == Conversion::runToTop && done > 0) {
            const Total& last = totals.at(done - 1);
            step.status =
                runStakeText(runStake(last.total, options.deductDiscount, options.discount));
        }
        progress(step);
    };
    // A number that cannot be spread keeps its lines; the others leave together.
    replaceLines(book, info.source, spread, !totals.isEmpty() && spread.size() == totals.size(),
                 lines, session.now(), [&](int source) { tell(source + 1); });
    tell(static_cast<int>(totals.size()));
    session.commit();
    return result;
}

QString runStakeText(qint64 stake) {
    return QStringLiteral("คำนวณได้ตัวละ ") + QString::number(stake) + QStringLiteral(" บาท");
}

bool marginOf(const QString& typed, int* margin, QString* refusal) {
    const QString text = typed.trimmed();
    bool ok = isDigits(text) && text.size() <= 3;
    const int value = ok ? text.toInt() : -1;
    if (!ok || value > 100) {
        *refusal = QStringLiteral("%ส่วนต่างต้องเป็นตัวเลขจำนวนเต็มตั้งแต่ 0 ถึง 100");
        return false;
    }
    *margin = value;
    return true;
}

} // namespace spread
