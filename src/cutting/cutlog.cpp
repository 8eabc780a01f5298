#include "cutting/cutlog.h"

#include "common/settings.h"
#include "cutting/kindcut.h"
#include "store/database.h"

#include <QSqlQuery>

namespace cutlog {

namespace {

SentListing listing(Database& db, const QString& sql, const QVariantList& binds,
                    const QString& title) {
    SentListing result;
    result.title = title;
    QSqlQuery query = db.exec(sql, binds);
    while (query.next()) {
        SentLine line;
        line.num = query.value(0).toString();
        line.h = query.value(1).toDouble();
        line.t = query.value(2).toDouble();
        line.l = query.value(3).toDouble();
        line.rep = query.value(4).toInt();
        result.total += line.h + line.t + line.l;
        result.lines.push_back(line);
    }
    return result;
}

int cutCount(Database& db) {
    return qMax(0, SettingsRecord(db).number(Backc::back8));
}

QString kindCodes() {
    QStringList codes;
    for (Kind kind : columnOrder())
        codes << QLatin1Char('\'') + kindCode(kind) + QLatin1Char('\'');
    return codes.join(QLatin1Char(','));
}

} // namespace

SentListing latestSent(Database& book) {
    SentListing result =
        listing(book, QStringLiteral("SELECT num, h, t, l, rep FROM qsentall2 ORDER BY rep, num"),
                {}, QStringLiteral("สรุปยอดส่งรวมปัจจุบัน"));
    if (result.lines.isEmpty())
        result.title = QStringLiteral("ไม่มีข้อมูลเกินอั้น(ถ้าไม่แน่ใจให้เรียกข้อมูลสำรองมาตรวจสอบ)");
    return result;
}

QStringList choices(Database& book) {
    const int count = cutCount(book);
    QStringList items;
    items.reserve(count + 1);
    for (int i = 1; i <= count; ++i)
        items << QStringLiteral("ยอดเกินอั้นจากการตัดครั้งที่") + QString::number(i);
    if (count > 0)
        items << QStringLiteral("ยอดเกินอั้นรวมจากการตัดทั้งหมด");
    return items;
}

int cutOfChoice(Database& book, int choiceIndex) {
    const int count = cutCount(book);
    if (choiceIndex < 0 || count == 0 || choiceIndex > count)
        return -1;
    return choiceIndex == count ? 0 : choiceIndex + 1;
}

SentListing logOf(Database& book, int cut) {
    if (cut <= 0)
        return listing(book,
                       QStringLiteral("SELECT num, h, t, l, rep FROM qsentallp ORDER BY rep, num"),
                       {}, QStringLiteral("สรุปยอดส่งรวมทั้งหมด"));
    return listing(
        book,
        QStringLiteral("SELECT num, h, t, l, rep FROM qsentall WHERE cod = ? ORDER BY rep, num"),
        {QString::number(cut)}, QStringLiteral("สรุปยอดส่งครั้งที่..") + QString::number(cut));
}

SentListing latestCutLog(Database& book) {
    SentListing result = logOf(book, qMax(1, cutCount(book)));
    result.title = QStringLiteral("สรุปยอดส่งล่าสุด");
    return result;
}

SentListing cumulativeLog(Database& book) {
    return listing(book, QStringLiteral("SELECT num, h, t, l, rep FROM qsentall ORDER BY rep, cod, num"),
                   {}, QStringLiteral("สรุปยอดส่งรวมสะสม"));
}

int takeBack(Database& book, int cut) {
    cut::Session session(book);
    const QString customer =
        cut > 0 ? QStringLiteral("คืนค่า-") + QString::number(cut) : QStringLiteral("คืนค่าทั้งหมด");
    // A row's kind is its name; a row without an amount becomes no line, one without a kind
    // stays in the log.
    const QString amounts =
        QStringLiteral("(coalesce(h, 0) <> 0 OR coalesce(t, 0) <> 0 OR coalesce(l, 0) <> 0)");
    const QString taken =
        QStringLiteral("%1name IN (%2) AND %3")
            .arg(cut > 0 ? QStringLiteral("cod = ? AND ") : QString(), kindCodes(), amounts);
    QVariantList ofCut;
    if (cut > 0)
        ofCut << QString::number(cut);

    // The book's sums take the rows number by number in one statement: line by line, a server
    // takes seconds for a large cut.
    cut::suspendSums(book);
    const int lines =
        book.exec(QStringLiteral("INSERT INTO tball (num, h, t, l, codeins, cus, tim) SELECT num, "
                                 "coalesce(h, 0), coalesce(t, 0), coalesce(l, 0), name, ?, ? FROM "
                                 "sentall WHERE %1 ORDER BY rep, name, num")
                      .arg(taken),
                  QVariantList{customer, session.now()} + ofCut)
            .numRowsAffected();
    // A large cut (over a thousand lines, and over half as many as the book has sums) is
    // summed faster with the sums' indexes built again after it.
    const bool many =
        lines > 1000 &&
        lines > book.scalar(QStringLiteral("SELECT count(*) FROM tbtotals")).toLongLong() / 2;
    if (many)
        cut::setSumIndexesAside(book);
    cut::addToSums(book, QStringLiteral("name"), QStringLiteral("sentall WHERE ") + taken, ofCut,
                   cut::Taken::marked);
    if (many)
        cut::buildSumIndexesAgain(book);
    cut::resumeSums(book);

    book.exec(QStringLiteral("DELETE FROM sentall WHERE %1(name IN (%2) OR NOT %3)")
                  .arg(cut > 0 ? QStringLiteral("cod = ? AND ") : QString(), kindCodes(), amounts),
              ofCut);
    session.commit();
    return lines;
}

void halveLatestSent(Database& book) {
    cut::Session session(book);
    for (const char* column : {"h", "l", "t"})
        book.exec(QStringLiteral("UPDATE sentall2 SET %1 = %1 / 2.0 WHERE %1 > 0")
                      .arg(QLatin1String(column)));
    session.commit();
}

void deleteLog(Database& book) {
    cut::Session session(book);
    book.exec(QStringLiteral("DELETE FROM sentall"));
    session.commit();
}

QString noChoiceText() {
    return QStringLiteral("กรุณาเลือกข้อมูลการตัดยอด");
}

QString takeBackQuestion(const QString& choice) {
    return QStringLiteral("คุณจะคืนค่า") + choice + QStringLiteral("หรือไม่ ?");
}

QString takeBackCancelled(const QString& choice) {
    return QStringLiteral("ยกเลิกการคืนค่า") + choice;
}

QString takeBackDone(const QString& choice) {
    return QStringLiteral("คืนค่า") + choice + QStringLiteral("เรียบร้อย");
}

QString halvedText() {
    return QStringLiteral("ปรับยอดส่งออก50%เรียบร้อย");
}

QString deleteQuestion() {
    return QStringLiteral("คุณจะลบข้อมูลยอดเกินอั้นสะสมทั้งหมดหรือไม่ ?");
}

QString deleteDone() {
    return QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสมเรียบร้อย");
}

QString deleteCancelled() {
    return QStringLiteral("ยกเลิกการข้อมูลยอดเกินอั้นสะสม");
}

} // namespace cutlog
