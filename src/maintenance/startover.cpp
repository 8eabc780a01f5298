#include "maintenance/startover.h"

#include "common/customers.h"
#include "common/cutsession.h"
#include "common/drawdate.h"
#include "store/database.h"
#include "store/dialect.h"
#include "store/kinds.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>

namespace startover {

void emptyWithin(Database& book, const Scope& scope) {
    for (const char* table : {"tball", "tballcus", "tblog"})
        schema::recreateBetTable(book, QLatin1String(table));
    QStringList tables;
    for (Kind kind : listingOrder())
        tables << cut::keptTable(kind);
    for (Kind kind : listingOrder())
        tables << cut::sentTable(kind);
    // A station's batch cut off before the new draw names ids of lines that are gone: kept,
    // the next transfer would take the new draw's lines as sent.
    tables << QStringLiteral("tballsent") << QStringLiteral("sentall")
           << QStringLiteral("sentall2") << QStringLiteral("cutlog") << QStringLiteral("refsend");
    if (scope.stationTotals)
        tables << QStringLiteral("ref");
    for (const QString& table : tables)
        book.exec(QStringLiteral("DELETE FROM ") + table);
    if (scope.sheetCustomers)
        book.exec(QStringLiteral("DELETE FROM cus WHERE ") +
                      dialect::containsBound(book.engine(), QStringLiteral("name")),
                  {customers::sheetWord()});
    book.exec(QStringLiteral("UPDATE backc SET back = '1', back2 = '0', back4 = '0', back8 = '0'"));
    QStringList counters;
    for (Kind kind : columnOrder())
        counters << kindCode(kind) + QStringLiteral(" = '0'");
    book.exec(QStringLiteral("UPDATE cutlogc SET ") + counters.join(QStringLiteral(", ")));
    book.exec(QStringLiteral("INSERT INTO tblog (s) VALUES ('0')"));
    drawdate::forget(book);
}

void emptyBook(Database& book, const Scope& scope) {
    cut::Session session(book, cut::Session::unwiped);
    emptyWithin(book, scope);
    session.commit();
}

void removeDrawCopies(const QString& programFolder) {
    for (const char* folder : {"dbbackup", "dbautotime"})
        QDir(programFolder + QLatin1String(folder)).removeRecursively();
}

QString archivingText() {
    return QStringLiteral("กำลังเก็บข้อมูลงวดนี้ไว้ในงวดที่ผ่านมา");
}

QString emptyingText() {
    return QStringLiteral("กำลังลบข้อมูลเพื่อเริ่มงวดใหม่");
}

QString archiveFailedText(const QString& detail) {
    return QStringLiteral("เก็บข้อมูลงวดนี้ไว้ไม่สำเร็จ จึงยังไม่ได้ลบข้อมูล ข้อมูลทั้งหมดยังอยู่ครบ\n") + detail;
}

Outcome archiveAndEmpty(const QString& location, const Options& options) {
    auto say = [&options](int percent, const QString& status) {
        if (options.progress)
            options.progress(percent, status);
    };
    std::unique_ptr<Database> book = Database::openExisting(location);
    // Lines, cuts and deletions of other computers wait from here to the end.
    cut::Session session(*book, cut::Session::unwiped);
    dialect::holdBetTables(*book);
    say(5, archivingText());

    Outcome outcome;
    outcome.summary = archive::summarize(*book);
    outcome.summary.drawDate = archive::drawDateOf(*book, options.now.date());
    outcome.summary.savedAt = options.now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QDir().mkpath(options.archiveFolder);
    outcome.archive =
        archive::newFileName(options.archiveFolder, outcome.summary.drawDate, options.now);
    {
        // A reader of its own: it sees everything committed before the hold, which nothing
        // can change until the book is emptied.
        std::unique_ptr<Database> reader = Database::openExistingReadOnly(location);
        const CopyResult written =
            archive::write(*reader, outcome.archive, outcome.summary, options.netOf);
        if (!written.written())
            throw StoreError(archiveFailedText(written.detail),
                             written.status == CopyResult::Damaged ? StoreError::damaged
                                                                   : StoreError::other);
    }
    try {
        say(70, emptyingText());
        emptyWithin(*book, options.scope);
        say(95, emptyingText());
        session.commit();
    } catch (...) {
        // The draw was not ended: its archive goes, the book stays as it was.
        QFile::remove(outcome.archive);
        throw;
    }
    say(100, emptyingText());
    return outcome;
}

} // namespace startover
