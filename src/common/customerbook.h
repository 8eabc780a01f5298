#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;

// The rules of the customer windows: the list, adding customers, the numbered copy, the codes
// kept equal to the names and the pay rates copied to sheet customers. Each action is one
// transaction; a refused one leaves the table as it was.
namespace customerbook {

// The ten discount percent columns (c3hp c3tp c3lp c2hp c2lp c2tp c1hp c1lp c4hp c5hp) and the
// ten pay rate columns (h3 t3 l3 h2 t2 l2 h1 l1 h4 h5).
const QStringList& percentColumns();
const QStringList& rateColumns();

// The condition of every customer list: sheet customers (names with "แผ่น") are left out.
QString listCondition();
// Field the list is ordered by.
QString orderField(bool byName);

// The stored customer order: true for by name (backc.back21 "1").
bool orderedByName(Database& db);
void setOrderedByName(Database& db, bool byName);

// The ten overall pay rates of change, as numbers (0 where none is stored).
QVariantList overallRates(Database& db);

// Empty when text is a number, else the message to show.
QString numberRefusal(const QString& text);
// Empty when a customer may be called name (it is not empty), else the message to show.
QString nameRefusal(const QString& name);
// A value of a percent or rate cell: null or a number.
bool isNumberValue(const QVariant& value);

struct Outcome {
    bool done = false;
    QString message; // shown either way when not empty
};

// A customer with ten percents (texts as typed) and the given pay rates; refused when the
// name is empty, already a code or a name, or a percent is no number.
Outcome add(Database& db, const QString& name, const QStringList& percents,
            const QVariantList& rates);

// name1 .. nameN with the row's percents; countText as typed in the count box.
Outcome copySeries(Database& db, const QString& name, const QVariantList& percents,
                   const QVariantList& rates, const QString& countText);

void removeAll(Database& db);

// Names of the listed rows whose code differs from the name, in list order.
QStringList mismatchedNames(Database& db, bool byName);
// Sets every code to the name; false, and nothing changed, when two rows share a name.
bool codesFromNames(Database& db);

// Copies each listed customer's pay rates to himself and his own sheet customers (his name
// followed by "แผ่นที่" and a number), no other row; returns the number of rows written.
int copyRatesToSheets(Database& db, bool byName);

} // namespace customerbook
