#include "common/cutsession.h"

#include "common/batchinflight.h"
#include "store/dialect.h"
#include "store/schema.h"

namespace cut {

void removeLines(Database& book, const QStringList& codes) {
    QStringList quotedCodes;
    for (const QString& code : codes)
        quotedCodes << QLatin1Char('\'') + code + QLatin1Char('\'');
    const QString list = quotedCodes.join(QLatin1Char(','));
    inflight::refuseChange(book, QStringLiteral("codeins IN (%1)").arg(list));
    // When every line is of these kinds the table is emptied whole, which an SQLite book does
    // without visiting each row.
    const int others =
        book.scalar(
                QStringLiteral("SELECT count(*) FROM tbkind WHERE codeins NOT IN (%1)").arg(list))
            .toInt();
    if (others == 0)
        book.exec(dialect::emptyKeepingCounter(book.engine(), QStringLiteral("tball")));
    else
        book.exec(QStringLiteral("DELETE FROM tball WHERE codeins IN (%1)").arg(list));
}

QString refusedText() {
    return QStringLiteral("ตัดยอดไม่ได้ในขณะนี้ เพราะมีการตัดยอดหรือคืนค่าการตัดยอดของฐานข้อมูลนี้อยู่ "
                          "กรุณารอให้เสร็จแล้วลองใหม่");
}

Session::Session(Database& book, Frees frees) : book_(book), now_(dialect::nowText()) {
    try {
        transaction_ = std::make_unique<Transaction>(book, dialect::beginWrite(book.engine()));
    } catch (const StoreError& error) {
        if (error.kind() == StoreError::inUse)
            throw StoreError(refusedText() + QStringLiteral(" (") + error.message() +
                                 QLatin1Char(')'),
                             StoreError::inUse);
        throw;
    }
    if (!dialect::holdCut(book))
        throw StoreError(refusedText(), StoreError::inUse);
    dialect::holdBets(book);
    cache_ = dialect::widenCache(book);
    if (frees == unwiped) {
        frees_ = dialect::keepFreedPages(book);
        unwiped_ = true;
    }
}

void Session::commit() {
    if (!keepsKeptLists_)
        book_.exec(QStringLiteral("DELETE FROM tbkeptsync"));
    transaction_->commit();
}

Session::~Session() {
    transaction_.reset();
    try {
        dialect::restoreCache(book_, cache_);
        if (unwiped_)
            dialect::restoreFrees(book_, frees_);
    } catch (const StoreError&) {
        // The next session sets it again; the connection works either way.
    }
}

void suspendSums(Database& book) {
    schema::execScript(book, dialect::suspendSumTriggers(book.engine()));
}

void resumeSums(Database& book) {
    schema::execScript(book, dialect::resumeSumTriggers(book.engine()));
}

void setSumIndexesAside(Database& book) {
    if (book.engine() != Engine::sqlite)
        return;
    book.exec(QStringLiteral("DROP INDEX IF EXISTS tbtotals_moved"));
    book.exec(QStringLiteral("DROP INDEX IF EXISTS tbtotals_h"));
}

void buildSumIndexesAgain(Database& book) {
    if (book.engine() != Engine::sqlite)
        return;
    book.exec(schema::movedTotalsIndex());
    book.exec(schema::totalsByAmountIndex());
}

void addToSums(Database& book, const QString& kindColumn, const QString& rows,
               const QVariantList& binds, Taken taken) {
    const QString kind = QStringLiteral("coalesce(%1, '')").arg(kindColumn);
    const QString sums = QStringLiteral("sum(coalesce(h, 0)), sum(coalesce(t, 0)), "
                                        "sum(coalesce(l, 0)), count(*)");
    // Marked taken, a number's sums are not looked for as moved (see Session::keepsKeptLists).
    const bool marked = taken == Taken::marked;
    book.exec(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n%4) SELECT %1, "
                             "coalesce(num, ''), %2%5 FROM %3 GROUP BY %1, coalesce(num, '') ON "
                             "CONFLICT (codeins, num) DO UPDATE SET h = tbtotals.h + excluded.h, "
                             "t = tbtotals.t + excluded.t, l = tbtotals.l + excluded.l, n = "
                             "tbtotals.n + excluded.n%6")
                  .arg(kind, sums, rows, marked ? QStringLiteral(", keptat") : QString(),
                       marked ? QStringLiteral(", sum(coalesce(h, 0))") : QString(),
                       marked ? QStringLiteral(", keptat = tbtotals.h + excluded.h") : QString()),
              binds);
    book.exec(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT %1, %2, "
                             "count(num) FROM %3 GROUP BY %1 ON CONFLICT (codeins) DO UPDATE SET "
                             "h = tbkind.h + excluded.h, t = tbkind.t + excluded.t, l = tbkind.l + "
                             "excluded.l, n = tbkind.n + excluded.n, cnum = tbkind.cnum + "
                             "excluded.cnum")
                  .arg(kind, sums, rows),
              binds);
}

QString totalsView(Kind kind) {
    return kind == Kind::t3 ? QStringLiteral("qt3") : kindCode(kind);
}

QString keptTable(Kind kind) {
    return kindCode(kind) + QStringLiteral("cut");
}

QString sentTable(Kind kind) {
    return kindCode(kind) + QStringLiteral("sent");
}

} // namespace cut
