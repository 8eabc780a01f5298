#include "support/bookfaults.h"

#include "store/database.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void fillBook(Database& db, int rows) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                               "WHERE i<?) INSERT INTO %1 (num,h,cus,codeins) SELECT "
                               "printf('%03d',i%1000), i%100+1, 'cus'||(i%40), 'h3' FROM n")
                    .arg(QLatin1String(table)),
                {rows});
}

void verifyOwnSums(Database& db) {
    QCOMPARE(rowsOf(db, "SELECT codeins, h, t, l, n FROM tbkind ORDER BY codeins"),
             rowsOf(db, "SELECT codeins, sum(h), sum(t), sum(l), count(*) FROM tball "
                        "GROUP BY codeins ORDER BY codeins"));
    QCOMPARE(db.scalar("SELECT count(*) FROM tball").toInt(),
             db.scalar("SELECT count(*) FROM tballcus").toInt());
}

void verifyKeptSums(Database& db) {
    QCOMPARE(rowsOf(db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins"),
             rowsOf(db, "SELECT coalesce(codeins, ''), sum(h), sum(t), sum(l), count(*), "
                        "count(num) FROM tball GROUP BY coalesce(codeins, '') ORDER BY 1"));
    QCOMPARE(rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num"),
             rowsOf(db, "SELECT coalesce(codeins, ''), coalesce(num, ''), sum(h), sum(t), "
                        "sum(l), count(*) FROM tball GROUP BY coalesce(codeins, ''), "
                        "coalesce(num, '') ORDER BY 1, 2"));
}

void damageTball(TempBook& book) {
    damageTball(book.db(), book.dbPath());
    book.reopen();
}

void damageTball(Database& db, const QString& path) {
    const int pageSize = db.scalar("PRAGMA page_size").toInt();
    const QStringList leaves =
        rowsOf(db, "SELECT pageno FROM dbstat WHERE name='tball' AND pagetype='leaf'");
    QVERIFY(leaves.size() > 10);
    const qint64 page = leaves.at(leaves.size() / 2).toLongLong();
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek((page - 1) * pageSize));
    QCOMPARE(file.write(QByteArray(pageSize, '\xa5')), qint64(pageSize));
    file.close();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
}
