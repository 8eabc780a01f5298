#include "exchange/bookmerge.h"

#include "common/betbatch.h"
#include "common/settings.h"
#include "exchange/attachedsource.h"
#include "exchange/sourcebook.h"
#include "store/database.h"

namespace bookmerge {

namespace {

// Percent of done out of total, whole, for a total that may be 0.
int percentOf(qint64 done, qint64 total) {
    return total > 0 ? static_cast<int>(qMin(done, total) * 100 / total) : 100;
}

double amount(const QVariantList& row, int field, const QString& table, qint64 line) {
    double value = 0;
    if (!amountField(row.value(field), &value))
        throw RowRefused(line, QStringLiteral("แถวที่ %1 ของตาราง %2: ค่า \"%3\" ไม่ใช่ตัวเลข "
                                              "ไม่ได้เพิ่มข้อมูลใดเลย")
                                   .arg(line)
                                   .arg(table, row.value(field).toString()));
    return value;
}

// A bet row by the fields' meaning: number, top, tod, bottom, customer, kind.
BetRow betOf(const QVariantList& row, const QString& table, qint64 line) {
    return {textField(row.value(0)),     amount(row, 1, table, line), amount(row, 2, table, line),
            amount(row, 3, table, line), textField(row.value(4)),     textField(row.value(7))};
}

} // namespace

QStringList missingTables(SourceBook& source, bool enteredApart) {
    QStringList missing;
    QStringList wanted = {QStringLiteral("tball"), QStringLiteral("sentall"),
                          QStringLiteral("cutlog"), QStringLiteral("backc"),
                          QStringLiteral("cutlogc")};
    if (enteredApart)
        wanted.insert(1, QStringLiteral("tballcus"));
    for (const QString& table : wanted) {
        if (!source.hasTable(table))
            missing << table;
    }
    return missing;
}

namespace {

// Rows of the source that the engine could not take as they are: the merge starts again,
// reading them one by one.
struct NotAsTheyAre {};

// The merge, its bet lines through the engine when attached is given.
Result mergeBooks(Database& book, SourceBook& source, AttachedSource* attached, bool enteredApart,
                  const std::function<void(Stage, int)>& tell) {
    Result result;
    const qint64 rows = source.count(QStringLiteral("tball"));
    const qint64 entered = enteredApart ? source.count(QStringLiteral("tballcus")) : 0;
    const qint64 total = rows + entered;
    BetBatch batch(book, total);

    int shown = -1;
    auto step = [&](qint64 done) {
        const int percent = percentOf(done, total);
        if (percent != shown)
            tell(Stage::bets, shown = percent);
    };
    if (attached) {
        result.rows = attached->copy(
            QStringLiteral("tball"),
            [&](const QString& select, const QVariantList& binds) {
                return batch.addSelected(select, binds, !enteredApart);
            },
            step);
        batch.log(result.rows);
        if (enteredApart) {
            result.entered = attached->copy(
                QStringLiteral("tballcus"),
                [&](const QString& select, const QVariantList& binds) {
                    return batch.addEnteredSelected(select, binds);
                },
                [&](qint64 done) { step(result.rows + done); });
        }
        if (result.rows != rows || result.entered != entered)
            throw NotAsTheyAre();
    } else {
        source.rows(QStringLiteral("tball"), [&](const QVariantList& row) {
            batch.add(betOf(row, QStringLiteral("tball"), ++result.rows), !enteredApart);
            step(result.rows);
        });
        batch.log(result.rows);
        if (enteredApart) {
            source.rows(QStringLiteral("tballcus"), [&](const QVariantList& row) {
                batch.addEntered(betOf(row, QStringLiteral("tballcus"), ++result.entered));
                step(result.rows + result.entered);
            });
        }
    }
    step(total);

    // The logs are replaced only now that the source's lines are read whole.
    book.exec(QStringLiteral("DELETE FROM sentall"));
    book.exec(QStringLiteral("DELETE FROM cutlog"));
    const qint64 sentRows = source.count(QStringLiteral("sentall"));
    source.rows(QStringLiteral("sentall"), [&](const QVariantList& row) {
        const qint64 line = ++result.sent;
        // num, h, l, t, cus, rep, cod, no and the kind in name, which the undo of a cut reads.
        const QString table = QStringLiteral("sentall");
        book.exec(QStringLiteral("INSERT INTO sentall (num, h, l, t, cus, rep, cod, no, name) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {textField(row.value(0)), amount(row, 1, table, line),
                   amount(row, 2, table, line), amount(row, 3, table, line),
                   textField(row.value(4)), qint64(amount(row, 5, table, line)),
                   textField(row.value(6)), textField(row.value(7)), textField(row.value(8))});
        tell(Stage::sentLog, percentOf(line, sentRows));
    });
    QVariant cutNumber;
    source.rows(QStringLiteral("backc"), [&](const QVariantList& row) {
        if (!cutNumber.isValid())
            cutNumber = row.value(static_cast<int>(Backc::back8));
    });
    if (cutNumber.isValid())
        SettingsRecord(book).set(Backc::back8, textField(cutNumber));

    const qint64 cutRows = source.count(QStringLiteral("cutlog"));
    source.rows(QStringLiteral("cutlog"), [&](const QVariantList& row) {
        const qint64 line = ++result.cutLog;
        book.exec(QStringLiteral("INSERT INTO cutlog (num, h, codeins, nn) VALUES (?, ?, ?, ?)"),
                  {textField(row.value(0)), amount(row, 1, QStringLiteral("cutlog"), line),
                   textField(row.value(2)), textField(row.value(3))});
        tell(Stage::cutLog, percentOf(line, cutRows));
    });
    bool counters = false;
    source.rows(QStringLiteral("cutlogc"), [&](const QVariantList& row) {
        if (counters)
            return;
        counters = true;
        QStringList sets;
        QVariantList values;
        for (Kind kind : columnOrder()) {
            sets << kindCode(kind) + QStringLiteral(" = ?");
            values << textField(row.value(static_cast<int>(kind)));
        }
        book.exec(QStringLiteral("UPDATE cutlogc SET ") + sets.join(QStringLiteral(", ")), values);
    });
    tell(Stage::cutLog, 100);
    batch.commit();
    return result;
}

} // namespace

Result merge(Database& book, SourceBook& source, bool enteredApart,
             const std::function<void(Stage, int)>& progress) {
    const QStringList missing = missingTables(source, enteredApart);
    if (!missing.isEmpty())
        throw StoreError(QStringLiteral("ฐานข้อมูลที่เลือกไม่ใช่ฐานข้อมูลของโปรแกรมนี้ ไม่พบตาราง ") +
                         missing.join(QStringLiteral(", ")));
    auto tell = [&](Stage stage, int percent) {
        if (progress)
            progress(stage, percent);
    };
    // Attached before the batch's transaction, detached after it.
    AttachedSource attached(book, source.sqliteFile());
    if (attached.copiesAsItIs(QStringLiteral("tball")) &&
        (!enteredApart || attached.copiesAsItIs(QStringLiteral("tballcus")))) {
        try {
            return mergeBooks(book, source, &attached, enteredApart, tell);
        } catch (const NotAsTheyAre&) {
            // Nothing of that attempt was kept.
        }
    }
    return mergeBooks(book, source, nullptr, enteredApart, tell);
}

QString doneText(qint64 rows) {
    return QStringLiteral("เพิ่มฐานข้อมูล") + QString::number(rows) + QStringLiteral("แถวเรียบร้อย");
}

} // namespace bookmerge
