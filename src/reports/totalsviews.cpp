#include "reports/totalsviews.h"

#include "store/database.h"
#include "store/kindrow.h"

#include <QSet>
#include <QSqlQuery>
#include <cmath>

namespace totals {

namespace {
constexpr bool kLimited = true;
constexpr bool kPair = true;
constexpr bool kRunning = true;

// Headings of modes 1 and 2 of the six limited kinds, as the reports print them.
struct ModeHeadings {
    Kind kind;
    const char* limited;
    const char* sent;
};
const ModeHeadings kModeHeadings[] = {
    {Kind::h3, "แสดงยอดเลขอั้น3ตัวบน ", "แสดงยอดเลขอั้น3ตัวบนที่ส่ง "},
    {Kind::t3, "แสดงยอดเลขอั้น3ตัวโต๊ด ", "แสดงยอดเลขอั้น3ตัวโต๊ดที่ส่ง "},
    {Kind::l3, "แสดงยอดเลขอั้น3ตัวล่าง ", "แสดงยอดเลขอั้น 3ตัวล่าง ที่ส่ง   "},
    {Kind::h2, "แสดงยอดเลขอั้น2ตัวบน ", "แสดงยอดเลขอั้น2ตัวบนที่ส่ง "},
    {Kind::l2, "แสดงยอดเลขอั้น2ตัวล่าง ", "แสดงยอดเลขอั้น2ตัวล่าง ที่ส่ง"},
    {Kind::t2, "แสดงยอดเลขอั้นคู่โต๊ด ", "แสดงยอดเลขอั้นคู่โต๊ดที่ส่ง "},
};

qint64 whole(double amount) {
    // Halves to even, as every total read as a whole number.
    return static_cast<qint64>(std::nearbyint(amount));
}

bool asWhole(const QString& num, qint64* value) {
    bool ok = false;
    *value = num.trimmed().toLongLong(&ok);
    return ok;
}
} // namespace

const std::vector<View>& views() {
    using O = Order;
    static const std::vector<View> table = {
        {"Tshowh3", "แสดงยอด3ตัวบน", "สรุปยอด3ตัวบน", "h3", Kind::h3, 5, O::byNumber, kLimited},
        {"Tt3t", "สรุปยอด3ตัวโต๊ด", "สรุปยอด3ตัวโต๊ด", "qt3", Kind::t3, 5, O::byNumber, kLimited},
        {"Tl3", "แสดงยอด3ตัวล่าง", "สรุปยอด3ตัวล่าง", "l3", Kind::l3, 5, O::byNumber, kLimited},
        {"Th2re", "แสดงยอด2ตัวบน", "สรุปยอด2ตัวบน", "h2", Kind::h2, 5, O::byNumber, kLimited},
        {"Tl2re", "แสดงยอด2ตัวล่าง", "สรุปยอด2ตัวล่าง", "l2", Kind::l2, 5, O::byNumber, kLimited},
        {"Tre2t", "แสดงยอดคู่โต๊ด", "สรุปยอดคู่โต๊ด", "t2", Kind::t2, 5, O::byNumber, kLimited},
        {"Tshowht3", "แสดงยอด3ตัวบน+โต๊ด", "สรุปยอด3ตัวบน+โต๊ด", "ht3", Kind::h3, 4, O::byNumber,
         !kLimited, kPair},
        {"Th1re", "แสดงยอดวิ่งบน", "สรุปยอดวิ่งบน", "h1", Kind::h1, 2, O::byNumber, !kLimited, !kPair,
         kRunning},
        {"Trel1", "แสดงยอดวิ่งล่าง", "แสดงยอดวิ่งล่าง", "l1", Kind::l1, 2, O::byNumber, !kLimited, !kPair,
         kRunning},
        {"Th4re", "แสดงยอดกลุ่ม4ตัว", "แสดงยอดกลุ่ม4ตัว", "h4", Kind::h4, 5, O::byNumber},
        {"Th5re", "แสดงยอดกลุ่ม5ตัว", "แสดงยอดกลุ่ม5ตัว", "h5", Kind::h5, 5, O::byNumber},
        {"Tshowh3h", "สรุปยอด3ตัวบน", "สรุปยอด3ตัวบน", "h3h", Kind::h3, 5, O::byAmount},
        {"Tt3th", "สรุปยอด3ตัวโต๊ด", "สรุปยอด3ตัวโต๊ด", "t3sph", Kind::t3, 5, O::byAmount},
        {"Tl3h", "แสดงยอด3ตัวล่าง", "สรุปยอด3ตัวล่าง", "l3h", Kind::l3, 5, O::byAmount},
        {"Th2h", "แสดงยอด2ตัวบน", "สรุปยอด2ตัวบน", "h2h", Kind::h2, 5, O::byAmount},
        {"Tl2h", "แสดงยอด2ตัวล่าง", "สรุปยอด2ตัวล่าง", "l2h", Kind::l2, 5, O::byAmount},
        {"Tre2th", "แสดงยอดคู่โต๊ด", "สรุปยอดคู่โต๊ด", "t2h", Kind::t2, 5, O::byAmount},
    };
    return table;
}

const View* view(const QString& className) {
    for (const View& v : views()) {
        if (className == QLatin1String(v.className))
            return &v;
    }
    return nullptr;
}

const View* viewOf(Kind kind, Order order) {
    for (const View& v : views()) {
        if (v.kind == kind && v.order == order && !v.pair)
            return &v;
    }
    return nullptr;
}

QString heading(const Request& request) {
    const View& v = *request.view;
    const QString name = QLatin1String(v.className);
    // The kind naming modes name the head kinds; they win over the view modes.
    if (request.namingMode == 1) {
        if (name == QLatin1String("Th4re"))
            return QStringLiteral("แสดงยอดหัว3ตัวโต๊ด");
        if (name == QLatin1String("Th5re"))
            return QStringLiteral("แสดงยอดหัว3ตัว");
        if (name == QLatin1String("Tre2t") || name == QLatin1String("Tre2th"))
            return QStringLiteral("แสดงยอดหัว2ตัว");
    }
    if (request.namingMode == 2 &&
        (name == QLatin1String("Tre2t") || name == QLatin1String("Tre2th")))
        return QStringLiteral("แสดงยอด2ตัวX");
    if (v.limitVariants && request.mode != Mode::all) {
        for (const ModeHeadings& h : kModeHeadings) {
            if (h.kind == v.kind)
                return QString::fromUtf8(request.mode == Mode::limited ? h.limited : h.sent);
        }
    }
    return QString::fromUtf8(v.heading);
}

QString statement(const Request& request) {
    const View& v = *request.view;
    QString source = QString::fromLatin1(v.source);
    if (v.limitVariants && request.mode == Mode::limited)
        source = kindCode(v.kind) + QStringLiteral("limite");
    else if (v.limitVariants && request.mode == Mode::sent)
        source = kindCode(v.kind) + QStringLiteral("limite2");
    const QString column = stakeColumn(v.kind);
    const QString columns = v.pair ? QStringLiteral("num, h, t") : QStringLiteral("num, ") + column;
    const bool byAmount = request.byAmount || v.order == Order::byAmount;
    const QString order = byAmount ? column + QStringLiteral(" DESC, num") : QStringLiteral("num");
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columns, source, order);
}

Listing read(Database& db, const Request& request) {
    const View& v = *request.view;
    Listing listing;
    listing.caption = QString::fromUtf8(v.caption);
    listing.heading = heading(request);
    listing.across = v.across;
    listing.pair = v.pair;
    listing.running = v.running;

    // Only mode all of the limited kinds marks, and only with the red warning on.
    const bool markOver = v.limitVariants ? request.mode == Mode::all && request.redWarning : true;
    const QStringList limits = kindrow::read(db, QStringLiteral("change2"));
    auto limitOf = [&](Kind kind) -> qint64 {
        const int column = static_cast<int>(kind);
        return column < limits.size() ? static_cast<qint64>(limits[column].toDouble()) : 0;
    };
    const qint64 limit = limitOf(v.kind);
    const qint64 todLimit = limitOf(Kind::t3);

    QSet<qint64> closed;
    const bool markClosed = request.watchNumbers && !v.pair;
    if (markClosed) {
        QSqlQuery query = db.exec(QStringLiteral("SELECT num FROM numlimit2 WHERE codeins = ?"),
                                  {kindCode(v.kind)});
        qint64 value = 0;
        while (query.next()) {
            if (asWhole(query.value(0).toString(), &value))
                closed.insert(value);
        }
    }

    QSqlQuery query = db.exec(statement(request));
    while (query.next()) {
        Line line;
        line.num = query.value(0).toString();
        line.amount = query.value(1).toDouble();
        if (v.pair)
            line.amount2 = query.value(2).toDouble();
        if (markOver) {
            line.amountOver = whole(line.amount) > limit;
            line.amount2Over = v.pair && whole(line.amount2) > todLimit;
            line.numberOver = line.amountOver || line.amount2Over;
        }
        qint64 value = 0;
        line.closed = markClosed && asWhole(line.num, &value) && closed.contains(value);
        listing.total += line.amount + line.amount2;
        listing.lines.push_back(line);
    }
    return listing;
}

} // namespace totals
