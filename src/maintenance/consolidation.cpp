#include "maintenance/consolidation.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/schema.h"

namespace consolidation {

QString customer() {
    return QStringLiteral("ปรับปรุงตาราง");
}

QString doneText() {
    return QStringLiteral("ปรับปรุงตารางข้อมูลเรียบร้อย");
}

qint64 consolidate(Database& book, const Progress& progress) {
    cut::Session session(book, cut::Session::unwiped);
    for (Kind kind : listingOrder())
        book.exec(QStringLiteral("DELETE FROM ") + cut::keptTable(kind));
    QStringList codes;
    for (Kind kind : listingOrder()) {
        const QString column = stakeColumn(kind);
        book.exec(QStringLiteral("INSERT INTO %1 (num, %2, codeins) SELECT num, %2, ? FROM %3 "
                                 "ORDER BY num")
                      .arg(cut::keptTable(kind), column, cut::totalsView(kind)),
                  {kindCode(kind)});
        codes << kindCode(kind);
    }
    // The lines go in one pass; the sums are counted again from what is written after.
    cut::suspendSums(book);
    cut::removeLines(book, codes);
    int step = 0;
    for (Kind kind : listingOrder()) {
        const QString column = stakeColumn(kind);
        book.exec(QStringLiteral("INSERT INTO tball (num, %1, codeins, cus, tim) SELECT num, %1, "
                                 "codeins, ?, ? FROM %2 ORDER BY num")
                      .arg(column, cut::keptTable(kind)),
                  {customer(), session.now()});
        if (progress)
            progress(kind, step == 0 ? 1 : step * 10);
        ++step;
    }
    schema::recountSums(book);
    cut::resumeSums(book);
    const qint64 lines = book.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
    session.commit();
    if (progress)
        progress(Kind::h5, 100);
    return lines;
}

} // namespace consolidation
