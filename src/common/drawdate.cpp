#include "common/drawdate.h"

#include "store/database.h"

namespace drawdate {

namespace {
const char* const kMonths[] = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",   "เมษายน",  "พฤษภาคม", "มิถุนายน",
                               "กรกฎาคม", "สิงหาคม",  "กันยายน", "ตุลาคม", "พฤศจิกายน", "ธันวาคม"};
const char* const kShortMonths[] = {"ม.ค.", "ก.พ.", "มี.ค.", "เม.ย.", "พ.ค.", "มิ.ย.",
                                    "ก.ค.", "ส.ค.", "ก.ย.", "ต.ค.", "พ.ย.", "ธ.ค."};

// The Thai year counts from the Buddha's passing.
QString thai(const QString& isoDate, const char* const* months) {
    const QDate day = QDate::fromString(isoDate, Qt::ISODate);
    if (!day.isValid())
        return isoDate;
    return QStringLiteral("%1 %2 %3")
        .arg(day.day())
        .arg(QString::fromUtf8(months[day.month() - 1]))
        .arg(day.year() + 543);
}
} // namespace

QString lastChecked(Database& book) {
    try {
        Savepoint kept(book);
        const QString day = book.scalar(QStringLiteral("SELECT ckdate FROM checkdata")).toString();
        kept.release();
        return QDate::fromString(day, Qt::ISODate).isValid() ? day : QString();
    } catch (const StoreError&) {
        return QString();
    }
}

void markChecked(Database& book, const QDate& day) {
    try {
        Savepoint kept(book);
        book.exec(QStringLiteral("UPDATE checkdata SET ckdate = ?"), {day.toString(Qt::ISODate)});
        kept.release();
    } catch (const StoreError&) {
    }
}

void forget(Database& book) {
    try {
        Savepoint kept(book);
        book.exec(QStringLiteral("UPDATE checkdata SET ckdate = ''"));
        kept.release();
    } catch (const StoreError&) {
    }
}

QString thaiLong(const QString& isoDate) {
    return thai(isoDate, kMonths);
}

QString thaiShort(const QString& isoDate) {
    return thai(isoDate, kShortMonths);
}

} // namespace drawdate
