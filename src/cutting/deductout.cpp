#include "cutting/deductout.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/kindrow.h"

#include <QSqlQuery>
#include <algorithm>

namespace deductout {

namespace {

QString caption(Kind kind, int namingMode) {
    return kindCaption(kind, namingMode);
}

void setCounter(Database& book, Kind kind, int value) {
    book.exec(QStringLiteral("UPDATE cutlogc SET %1 = ?").arg(kindCode(kind)),
              {QString::number(value)});
}

// The deducted rows of one cut, or of all cuts added up per number, as num and amount.
QString loggedRows(int cut) {
    if (cut > 0)
        return QStringLiteral("SELECT num, h AS amount FROM cutlog WHERE codeins = ? AND nn = ? "
                              "AND coalesce(h, 0) <> 0");
    return QStringLiteral("SELECT num, h AS amount FROM qlog WHERE codeins = ? AND h <> 0");
}

QVariantList loggedBinds(Kind kind, int cut) {
    QVariantList binds{kindCode(kind)};
    if (cut > 0)
        binds << QString::number(cut);
    return binds;
}

} // namespace

QString customerPrefix(Kind kind, int namingMode) {
    switch (kind) {
    case Kind::h3:
        return QStringLiteral("3บนหักออก-");
    case Kind::t3:
        return QStringLiteral("3โต๊ดหักออก-");
    case Kind::l3:
        return QStringLiteral("3ล่างหักออก-");
    case Kind::h2:
        return QStringLiteral("2บนหักออก-");
    case Kind::l2:
        return QStringLiteral("2ล่างหักออก-");
    case Kind::t2:
        return QStringLiteral("คู่โต๊ดหักออก-");
    case Kind::h1:
        return QStringLiteral("วิ่งบนหักออก-");
    case Kind::l1:
        return QStringLiteral("วิ่งล่างหักออก-");
    case Kind::h4:
        return QStringLiteral("4ตัวหักออก-");
    case Kind::h5:
        return namingMode == 1 ? QStringLiteral("3ตัวหัวหักออก-") : QStringLiteral("5ตัวหักออก-");
    }
    return QString();
}

std::array<int, kKindCount> counters(Database& book) {
    const std::array<qint64, kKindCount> stored = cut::wholeRow(book, QStringLiteral("cutlogc"));
    std::array<int, kKindCount> values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int>(std::clamp<qint64>(stored[i], 0, 1000000));
    return values;
}

QString valueRefusal(const QString& typed, bool percent) {
    const QString refused = kindrow::refusal(typed);
    if (!refused.isEmpty())
        return refused;
    if (percent && typed.trimmed().toLongLong() > 100)
        return QStringLiteral("กรุณาป้อนเปอร์เซ็นต์ตั้งแต่ 0 ถึง 100");
    return QString();
}

Done cutKind(Database& book, const Cut& job) {
    const QString refused = valueRefusal(QString::number(job.value), job.percent);
    if (!refused.isEmpty())
        throw StoreError(refused);
    cut::Session session(book);
    Done done;
    done.number = counters(book)[static_cast<size_t>(job.kind)] + 1;
    setCounter(book, job.kind, done.number);
    cut::divideTotals(book, job.kind, cut::Keep{job.value, job.percent}, job.fiftyPercent);

    const QString code = kindCode(job.kind);
    const QString column = stakeColumn(job.kind);
    const QString kept = cut::keptTable(job.kind);
    const QString sent = cut::sentTable(job.kind);
    const QString customer =
        customerPrefix(job.kind, job.namingMode) + QString::number(done.number);
    // What stays is written as the kind's lines; what goes, to the log.
    const QString stays = job.swap ? sent : kept;
    const QString goes = job.swap ? kept : sent;
    cut::rewriteLines(book, job.kind, stays, customer, session.now());
    book.exec(QStringLiteral("INSERT INTO cutlog (num, h, codeins, nn) SELECT num, %1, ?, ? FROM "
                             "%2 WHERE %1 <> 0 ORDER BY num")
                  .arg(column, goes),
              {code, QString::number(done.number)});
    if (job.swap) {
        // The sent table takes what was deducted, the kept table the book's new totals.
        book.exec(QStringLiteral("DELETE FROM ") + sent);
        book.exec(QStringLiteral("INSERT INTO %1 (num, %2, rep) SELECT num, %2, ? FROM %3 WHERE "
                                 "%2 <> 0 ORDER BY num")
                      .arg(sent, column, kept),
                  {kindInfo(job.kind).rep});
        book.exec(QStringLiteral("DELETE FROM ") + kept);
        book.exec(QStringLiteral("INSERT INTO %1 (num, %2, codeins) SELECT num, %2, ? FROM %3 "
                                 "ORDER BY num")
                      .arg(kept, column, cut::totalsView(job.kind)),
                  {code});
    }
    done.outcome = cut::outcomeOf(book, job.kind);
    session.commit();
    return done;
}

QStringList choices(Database& book, Kind kind, int namingMode) {
    const int count = counters(book)[static_cast<size_t>(kind)];
    const QString start = QStringLiteral("ยอดส่งออก") + caption(kind, namingMode);
    QStringList items;
    items.reserve(count + 1);
    for (int i = 1; i <= count; ++i)
        items << start + QStringLiteral("ครั้งที่") + QString::number(i);
    items << start + QStringLiteral("แบบรวม");
    return items;
}

int cutOfChoice(int count, int choiceIndex) {
    if (choiceIndex < 0 || choiceIndex > count)
        return -1;
    return choiceIndex == count ? 0 : choiceIndex + 1;
}

keptsent::Listing logOf(Database& book, Kind kind, int cut, int namingMode) {
    keptsent::Listing listing;
    listing.title =
        QStringLiteral("สรุปยอดส่ง") + caption(kind, namingMode) +
        (cut > 0 ? QStringLiteral("ครั้งที่--") + QString::number(cut) : QStringLiteral("แบบรวม"));
    QSqlQuery query = book.exec(
        QStringLiteral("SELECT num, amount FROM (%1) r ORDER BY num").arg(loggedRows(cut)),
        loggedBinds(kind, cut));
    while (query.next()) {
        keptsent::Line line{query.value(0).toString(), query.value(1).toDouble()};
        listing.total += line.amount;
        listing.lines.push_back(line);
    }
    return listing;
}

int restore(Database& book, Kind kind, int cut, int namingMode) {
    cut::Session session(book);
    const int count = counters(book)[static_cast<size_t>(kind)];
    const QString customer = cut > 0 ? QStringLiteral("คืนค่า") + caption(kind, namingMode) +
                                           QLatin1Char('-') + QString::number(cut)
                                     : QStringLiteral("คืนค่า-") + QString::number(count + 1);
    const int lines =
        cut::addLines(book, kind, loggedRows(cut), loggedBinds(kind, cut), customer, session.now());
    book.exec(QStringLiteral("INSERT INTO tblog (s) VALUES (?)"), {QString::number(lines)});
    QVariantList binds = loggedBinds(kind, cut);
    book.exec(cut > 0 ? QStringLiteral("DELETE FROM cutlog WHERE codeins = ? AND nn = ?")
                      : QStringLiteral("DELETE FROM cutlog WHERE codeins = ?"),
              binds);
    session.commit();
    return lines;
}

QString noKindText() {
    return QStringLiteral("กรุณาเลือกชนิดของตัวเลข");
}

QString noChoiceText(int count, bool restoring) {
    // The restore's words keep the stray letter the shop knows them by.
    return (restoring ? QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการgเรียกคืนโดยมีการตัดยอดทั้งหมดจำนวน")
                      : QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการโดยมีการตัดยอดทั้งหมดจำนวน")) +
           QString::number(count) + QStringLiteral("ครั้ง");
}

QString noCutsText() {
    return QStringLiteral("ยังไม่มีการตัดยอด");
}

QString restoreCancelled() {
    return QStringLiteral("ยกเลิกการคืนค่า");
}

} // namespace deductout
