#pragma once

#include "store/database.h"
#include "store/kinds.h"

#include <QString>

// The names one kind's cut statements are written with, and the statements the cuts share.
namespace cut::kindsql {

struct Names {
    QString code;   // 'h3', quoted
    QString column; // stake column
    QString view;
    QString kept;
    QString sent;
    QString rep; // the report group the sent rows carry
};

Names namesOf(Kind kind);

// sql with {code}, {c}, {view}, {kept}, {sent} and {rep} replaced by the kind's names.
QString fill(QString sql, const Names& n);

// The kind's amount in its own column and 0 in the others, as "h, 0, 0".
QString keptAmounts(const Names& n);

// The rows of table (the kind's kept table unless said), filtered by only, as lines of the kind.
void insertLines(Database& db, const Names& n, const QString& customer, const QString& now,
                 const QString& only = QString(), const QString& table = QString());

} // namespace cut::kindsql
