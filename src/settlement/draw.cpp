#include "settlement/draw.h"

#include "store/database.h"

QString Draw::paddedFirst(const QString& typed) {
    if (typed.isEmpty())
        return QStringLiteral("000000");
    if (typed.size() == 3)
        return QStringLiteral("000") + typed;
    return typed;
}

QString Draw::topDigit(int position) const {
    const QString top = top3();
    return top.size() == 3 ? top.mid(position - 1, 1) : QString();
}

QString Draw::bottomDigit(int position) const {
    return bottom2.size() == 2 ? bottom2.mid(position - 1, 1) : QString();
}

Repeat repeatOf(const QString& top3) {
    Repeat r;
    if (top3.size() != 3)
        return r;
    const QChar d1 = top3[0], d2 = top3[1], d3 = top3[2];
    // The last test that holds decides.
    if (d1 == d2)
        r = {true, d1, d3};
    if (d2 == d3)
        r = {true, d2, d1};
    if (d1 == d3)
        r = {true, d1, d2};
    return r;
}

namespace drawstore {

namespace {
const char kColumns[] = "h3, l2, l31, l32, l33, l34";
}

Draw load(Database& db) {
    Draw draw;
    QSqlQuery q = db.exec(QStringLiteral("SELECT %1 FROM checkdata").arg(QLatin1String(kColumns)));
    if (!q.next())
        return draw;
    draw.first = q.value(0).toString();
    draw.bottom2 = q.value(1).toString();
    for (int i = 0; i < 4; ++i)
        draw.bottom3[static_cast<size_t>(i)] = q.value(2 + i).toString();
    return draw;
}

void store(Database& db, const Draw& draw) {
    const QVariantList values = {draw.first,      draw.bottom2,    draw.bottom3[0],
                                 draw.bottom3[1], draw.bottom3[2], draw.bottom3[3]};
    QSqlQuery q = db.exec(QStringLiteral("UPDATE checkdata SET h3 = ?, l2 = ?, l31 = ?, l32 = ?, "
                                         "l33 = ?, l34 = ?"),
                          values);
    if (q.numRowsAffected() == 0)
        db.exec(QStringLiteral("INSERT INTO checkdata (%1) VALUES (?, ?, ?, ?, ?, ?)")
                    .arg(QLatin1String(kColumns)),
                values);
}

} // namespace drawstore
