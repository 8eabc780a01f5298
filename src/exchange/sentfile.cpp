#include "exchange/sentfile.h"

#include "common/betbatch.h"
#include "common/cutsession.h"
#include "common/digits.h"
#include "exchange/bookmerge.h"
#include "exchange/sourcebook.h"
#include "store/database.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace sentfile {

const std::array<Kind, kKindCount>& allKinds() {
    return listingOrder();
}

qint64 write(Database& book, const QString& path, std::optional<Kind> kind,
             const std::function<void(Kind, qint64)>& progress) {
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    qint64 written = 0;
    {
        std::unique_ptr<Database> file = Database::openFile(part);
        Transaction transaction(*file);
        file->exec(QStringLiteral("CREATE TABLE tball (num TEXT, h REAL DEFAULT 0, t REAL "
                                  "DEFAULT 0, l REAL DEFAULT 0, codeins TEXT)"));
        QVector<Kind> kinds;
        if (kind)
            kinds << *kind;
        else
            kinds = QVector<Kind>(allKinds().begin(), allKinds().end());
        for (Kind k : kinds) {
            const QString column = stakeColumn(k);
            QSqlQuery rows =
                book.exec(QStringLiteral("SELECT num, %1 FROM %2").arg(column, cut::sentTable(k)));
            QSqlQuery insert(file->handle());
            insert.prepare(QStringLiteral("INSERT INTO tball (num, %1, codeins) VALUES (?, ?, ?)")
                               .arg(column));
            qint64 ofKind = 0;
            while (rows.next()) {
                insert.bindValue(0, rows.value(0).toString());
                insert.bindValue(1, rows.value(1).toDouble());
                insert.bindValue(2, kindCode(k));
                if (!insert.exec())
                    throw StoreError::fromEngine(insert.lastError());
                ++ofKind;
                if (progress && ofKind % 1000 == 0)
                    progress(k, ofKind);
            }
            written += ofKind;
            if (progress)
                progress(k, ofKind);
        }
        transaction.commit();
    }
    QFile::remove(path);
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        throw StoreError(QStringLiteral("เขียนไฟล์ ") + path + QStringLiteral(" ไม่ได้"));
    }
    return written;
}

QString copyOver(const QString& file, const QString& target) {
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    QFile source(file);
    if (!source.copy(part))
        return source.errorString();
    QFile::remove(target);
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        return QStringLiteral("เขียนไฟล์ ") + target + QStringLiteral(" ไม่ได้");
    }
    return {};
}

Added add(Database& book, SourceBook& source, const QString& customer,
          const std::function<void(int)>& progress) {
    if (!source.hasTable(QStringLiteral("tball")))
        throw StoreError(QStringLiteral("ไม่พบตาราง tball ในไฟล์ที่เลือก"));
    Added added;
    const qint64 total = source.count(QStringLiteral("tball"));
    BetBatch batch(book, total);
    qint64 line = 0;
    int shown = -1;
    source.rows(QStringLiteral("tball"), [&](const QVariantList& row) {
        ++line;
        // number, top, tod, bottom, kind: by their meaning.
        double stakes[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (!amountField(row.value(i + 1), &stakes[i]))
                throw RowRefused(line, QStringLiteral("แถวที่ %1: ค่า \"%2\" ไม่ใช่ตัวเลข "
                                                      "ไม่ได้เพิ่มข้อมูลใดเลย")
                                           .arg(line)
                                           .arg(row.value(i + 1).toString()));
        }
        const QString num = textField(row.value(0)).trimmed();
        const QString code = textField(row.value(4)).trimmed();
        Kind kind;
        if (!kindFromCode(code, &kind) || !isDigits(num)) {
            added.skipped
                << QStringLiteral("แถวที่ %1 เลข \"%2\" ชนิด \"%3\"").arg(line).arg(num, code);
        } else {
            batch.add({num, stakes[0], stakes[1], stakes[2], customer, code});
            ++added.rows;
        }
        const int percent = total > 0 ? static_cast<int>(qMin(line, total) * 100 / total) : 100;
        if (progress && percent != shown)
            progress(shown = percent);
    });
    batch.commit();
    return added;
}

QString addedText(const Added& added) {
    QString text = bookmerge::doneText(added.rows);
    if (!added.skipped.isEmpty()) {
        text += QStringLiteral("\nข้ามไป %1 แถวที่ไม่ใช่เลขหรือชนิดที่รู้จัก:").arg(added.skipped.size());
        text += QLatin1Char('\n') + added.skipped.mid(0, 20).join(QLatin1Char('\n'));
        if (added.skipped.size() > 20)
            text += QStringLiteral("\nและอีก %1 แถว").arg(added.skipped.size() - 20);
    }
    return text;
}

} // namespace sentfile
