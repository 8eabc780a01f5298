#include "cutting/numberlists.h"

#include "common/digits.h"
#include "common/settings.h"
#include "store/amounts.h"
#include "store/database.h"

#include <QSqlQuery>
#include <cmath>

namespace {

// The amount as a stored number; false for text that is not a number of at least 0.
bool parseAmount(const QString& text, QVariant* out) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !inAmountRange(value) || value < 0)
        return false;
    if (value == std::floor(value))
        *out = QVariant(qlonglong(value));
    else
        *out = QVariant(value);
    return true;
}

bool isListed(Database& db, const QString& table, Kind kind, const QString& num) {
    return db
        .scalar(QStringLiteral("SELECT 1 FROM %1 WHERE num = ? AND codeins = ? LIMIT 1").arg(table),
                {num, kindCode(kind)})
        .isValid();
}

void insertRow(Database& db, const QString& table, Kind kind, const QString& num,
               const QVariant& amount) {
    db.exec(QStringLiteral("INSERT INTO %1 (num, h, codeins) VALUES (?, ?, ?)").arg(table),
            {num, amount, kindCode(kind)});
}

} // namespace

QString listTable(NumberList list) {
    return list == NumberList::limits ? QStringLiteral("numlimit") : QStringLiteral("numlimit2");
}

QString incompleteNumberMessage(int width) {
    return QStringLiteral("กรุณาป้อนเลข %1 ตัว").arg(width);
}

bool refusesListed(const EntryItem& item) {
    return item.spread == Spread::asTyped || item.spread == Spread::tod;
}

QStringList itemNumbers(const EntryItem& item, const QString& number, bool sortDigits) {
    switch (item.spread) {
    case Spread::asTyped:
        return {number};
    case Spread::tod:
        return {todForm(number, sortDigits)};
    case Spread::set: {
        const QStringList distinct = setOf(number);
        return distinct.isEmpty() ? QStringList{number} : distinct;
    }
    case Spread::withReverse: {
        const QString back = reverseOf(number);
        return back == number ? QStringList{number} : QStringList{number, back};
    }
    }
    return {};
}

StoreOutcome storeLine(Database& db, NumberList list, const EntryItem& item, const QString& number,
                       const QString& amount) {
    StoreOutcome outcome;
    if (item.kinds.isEmpty()) {
        outcome.messages << QString::fromUtf8(listtext::noItem);
        return outcome;
    }
    if (!isDigits(number) || number.size() != item.width) {
        outcome.messages << incompleteNumberMessage(item.width);
        return outcome;
    }
    QVariant value;
    if (!parseAmount(amount, &value)) {
        outcome.messages << QString::fromUtf8(listtext::badAmount);
        return outcome;
    }
    const QString table = listTable(list);
    QVector<Kind> written;
    try {
        const QStringList numbers = itemNumbers(item, number, SettingsRecord(db).sortDigits());
        Transaction transaction(db);
        for (Kind kind : item.kinds) {
            bool wrote = false;
            for (const QString& num : numbers) {
                if (isListed(db, table, kind, num)) {
                    if (refusesListed(item))
                        outcome.messages << QString::fromUtf8(listtext::listed);
                    continue;
                }
                insertRow(db, table, kind, num, value);
                wrote = true;
            }
            if (wrote)
                written << kind;
        }
        transaction.commit();
    } catch (const StoreError& error) {
        outcome.messages << error.message();
        return outcome;
    }
    outcome.ok = true;
    outcome.written = written;
    return outcome;
}

QStringList bulkNumbers(Kind kind, Position position, int digit) {
    QStringList numbers;
    if (digit < 0 || digit > 9)
        return numbers;
    const QString d = QString::number(digit);
    if (kind == Kind::h3 || kind == Kind::l3) {
        for (int n = 0; n < 100; ++n) {
            const QString tail = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            switch (position) {
            case Position::hundreds:
                numbers << d + tail;
                break;
            case Position::tens:
                numbers << tail.left(1) + d + tail.right(1);
                break;
            case Position::units:
                numbers << tail + d;
                break;
            }
        }
    } else if (kind == Kind::h2 || kind == Kind::l2) {
        if (position == Position::hundreds)
            return numbers;
        for (int n = 0; n < 10; ++n) {
            const QString other = QString::number(n);
            numbers << (position == Position::tens ? d + other : other + d);
        }
    }
    return numbers;
}

BulkOutcome bulkFill(Database& db, NumberList list, const BulkRequest& request,
                     const std::function<void(int)>& progress) {
    BulkOutcome outcome;
    if (request.digit < 0 || request.digit > 9) {
        outcome.message = QString::fromUtf8(listtext::noDigit);
        return outcome;
    }
    const QStringList numbers = bulkNumbers(request.kind, request.position, request.digit);
    if (numbers.isEmpty()) {
        outcome.message = QString::fromUtf8(listtext::wrongChoice);
        return outcome;
    }
    QVariant value;
    if (!parseAmount(request.amount, &value)) {
        outcome.message = QString::fromUtf8(listtext::badAmount);
        return outcome;
    }
    const QString table = listTable(list);
    const int step = numbers.size() == 10 ? 10 : 1;
    int inserted = 0;
    try {
        Transaction transaction(db);
        for (int i = 0; i < numbers.size(); ++i) {
            if (!isListed(db, table, request.kind, numbers[i])) {
                insertRow(db, table, request.kind, numbers[i], value);
                ++inserted;
            }
            if (progress)
                progress(i * step);
        }
        transaction.commit();
    } catch (const StoreError& error) {
        outcome.message = error.message();
        return outcome;
    }
    outcome.ok = true;
    outcome.inserted = inserted;
    return outcome;
}

QVector<ListRow> listRows(Database& db, NumberList list, Kind kind) {
    QVector<ListRow> rows;
    QSqlQuery query = db.exec(
        QStringLiteral("SELECT num, h FROM %1 WHERE codeins = ? ORDER BY id").arg(listTable(list)),
        {kindCode(kind)});
    while (query.next())
        rows.push_back({query.value(0).toString(), query.value(1).toString()});
    return rows;
}

QString deleteKindRows(Database& db, NumberList list, Kind kind) {
    try {
        Transaction transaction(db);
        db.exec(QStringLiteral("DELETE FROM %1 WHERE codeins = ?").arg(listTable(list)),
                {kindCode(kind)});
        transaction.commit();
    } catch (const StoreError& error) {
        return error.message();
    }
    return QString::fromUtf8(listtext::deleted);
}

QString deleteAllRows(Database& db, NumberList list) {
    try {
        Transaction transaction(db);
        db.exec(QStringLiteral("DELETE FROM %1").arg(listTable(list)));
        transaction.commit();
    } catch (const StoreError& error) {
        return error.message();
    }
    return QString::fromUtf8(listtext::deleted);
}

CopyOutcome copyFromServer(Database& own, Database& server, NumberList list,
                           const std::function<void(int)>& progress) {
    CopyOutcome outcome;
    const QString table = listTable(list);
    struct Row {
        QVariant num, h, codeins;
    };
    QVector<Row> rows;
    try {
        QSqlQuery query =
            server.exec(QStringLiteral("SELECT num, h, codeins FROM %1 ORDER BY id").arg(table));
        while (query.next()) {
            QVariant h = query.value(1);
            if (h.isNull() || h.toString().trimmed().isEmpty())
                h = QVariant(qlonglong(0));
            rows.push_back({query.value(0), h, query.value(2)});
        }
    } catch (const StoreError& error) {
        outcome.message = error.message();
        return outcome;
    }
    try {
        Transaction transaction(own);
        own.exec(QStringLiteral("DELETE FROM %1").arg(table));
        for (int i = 0; i < rows.size(); ++i) {
            own.exec(QStringLiteral("INSERT INTO %1 (num, h, codeins) VALUES (?, ?, ?)").arg(table),
                     {rows[i].num, rows[i].h, rows[i].codeins});
            if (progress)
                progress(int((qint64(i) + 1) * 100 / rows.size()));
        }
        transaction.commit();
    } catch (const StoreError& error) {
        outcome.message = error.message();
        return outcome;
    }
    outcome.ok = true;
    outcome.copied = rows.size();
    outcome.message = QString::fromUtf8(listtext::loaded);
    return outcome;
}

void writeSwitch(Database& db, Backc field, bool on) {
    Transaction transaction(db);
    SettingsRecord(db).setFlag(field, on);
    transaction.commit();
}
