#include "maintenance/archive.h"

#include "common/cutsession.h"
#include "common/drawdate.h"
#include "store/database.h"
#include "store/kinds.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <algorithm>

namespace archive {

namespace {
const char kAmount[] = "coalesce(h, 0) + coalesce(t, 0) + coalesce(l, 0)";

QString dateText(const QDate& day) {
    return day.toString(Qt::ISODate);
}
} // namespace

Summary summarize(Database& book) {
    QStringList kept;
    for (Kind kind : listingOrder())
        kept << QStringLiteral("(SELECT coalesce(sum(%1), 0) FROM %2)")
                    .arg(stakeColumn(kind), cut::keptTable(kind));
    QSqlQuery query = book.exec(
        QStringLiteral("SELECT (SELECT count(*) FROM tblog WHERE s <> '0'), (SELECT count(*) "
                       "FROM tballcus), (SELECT coalesce(sum(%1), 0) FROM tballcus), %2, (SELECT "
                       "coalesce(sum(%1), 0) FROM sentall)")
            .arg(QLatin1String(kAmount), kept.join(QStringLiteral(" + "))));
    Summary summary;
    if (query.next()) {
        summary.lines = query.value(0).toLongLong();
        summary.records = query.value(1).toLongLong();
        summary.stakes = query.value(2).toDouble();
        summary.kept = query.value(3).toDouble();
        summary.sent = query.value(4).toDouble();
    }
    return summary;
}

QString drawDateOf(Database& book, const QDate& today) {
    const QString checked = drawdate::lastChecked(book);
    return checked.isEmpty() ? dateText(today) : checked;
}

QString folderOf(const QString& programFolder) {
    return programFolder + QStringLiteral("archive/");
}

QString newFileName(const QString& folder, const QString& drawDate, const QDateTime& at) {
    const QString stem = drawDate + at.toString(QStringLiteral("_HH-mm-ss"));
    QString name = stem + QStringLiteral(".mde");
    for (int n = 2; QFileInfo::exists(folder + name); ++n)
        name = stem + QStringLiteral("-%1.mde").arg(n);
    return folder + name;
}

namespace {
void storeSummary(Database& archive, const Summary& s) {
    schema::execScript(archive, schema::drawSummaryDef(archive.engine()).sql);
    archive.exec(QStringLiteral("INSERT INTO drawsum (drawdate, savedat, lines, records, stakes, "
                                "kept, sent, net) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                 {s.drawDate, s.savedAt, s.lines, s.records, s.stakes, s.kept, s.sent,
                  s.net ? QVariant(static_cast<qlonglong>(*s.net)) : QVariant()});
}
} // namespace

CopyResult write(Database& reader, const QString& target, Summary& summary, const NetOf& netOf) {
    CopyJob job;
    job.target = target;
    job.finish = [&summary, &netOf](const QString& file) {
        std::unique_ptr<Database> archive = Database::openFile(file);
        if (netOf)
            summary.net = netOf(*archive);
        storeSummary(*archive, summary);
        // One self-contained file, read the same by any reader.
        archive->exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        return QString();
    };
    const CopyResult result = runCopy(reader, job);
    if (result.written())
        QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return result;
}

Summary readSummary(Database& archive) {
    if (archive.tableExists(QStringLiteral("drawsum"))) {
        QSqlQuery query = archive.exec(QStringLiteral(
            "SELECT drawdate, savedat, lines, records, stakes, kept, sent, net FROM drawsum"));
        if (query.next()) {
            Summary s;
            s.drawDate = query.value(0).toString();
            s.savedAt = query.value(1).toString();
            s.lines = query.value(2).toLongLong();
            s.records = query.value(3).toLongLong();
            s.stakes = query.value(4).toDouble();
            s.kept = query.value(5).toDouble();
            s.sent = query.value(6).toDouble();
            if (!query.value(7).isNull())
                s.net = query.value(7).toLongLong();
            return s;
        }
    }
    Summary s = summarize(archive);
    s.drawDate = drawdate::lastChecked(archive);
    return s;
}

QVector<Entry> list(const QString& programFolder) {
    const QDir folder(folderOf(programFolder));
    QVector<Entry> entries;
    for (const QFileInfo& file :
         folder.entryInfoList({QStringLiteral("*.mde")}, QDir::Files, QDir::Name)) {
        Entry entry;
        entry.file = file.absoluteFilePath();
        try {
            std::unique_ptr<Database> db = open(entry.file);
            entry.summary = readSummary(*db);
        } catch (const StoreError& error) {
            entry.problem = error.message();
        }
        if (entry.summary.drawDate.isEmpty())
            entry.summary.drawDate = file.fileName().left(10);
        if (entry.summary.savedAt.isEmpty())
            entry.summary.savedAt = file.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.summary.drawDate != b.summary.drawDate)
            return a.summary.drawDate > b.summary.drawDate;
        return a.summary.savedAt > b.summary.savedAt;
    });
    return entries;
}

std::unique_ptr<Database> open(const QString& file) {
    return Database::openExistingReadOnly(file);
}

QString title(const Summary& summary) {
    return QStringLiteral("งวดวันที่ ") + drawdate::thaiShort(summary.drawDate);
}

QString banner(const Summary& summary) {
    return QStringLiteral("งวดวันที่ ") + drawdate::thaiLong(summary.drawDate) +
           QStringLiteral(" (ข้อมูลงวดที่ผ่านมา ดูได้อย่างเดียว แก้ไขไม่ได้)");
}

} // namespace archive
