#pragma once

#include <QPair>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <QVector>

class QSqlDatabase;
class QSqlDriver;

// The server's book reached through libpq: a statement goes with its values in one round trip
// (the values travel apart from the statement, never inside it), and a few statements that
// belong together go in one round trip as one transaction. Only the store uses it.
namespace pglink {

// A driver for QSqlDatabase::addDatabase; each connection has its own.
QSqlDriver* newDriver();

using Statement = QPair<QString, QVariantList>;

struct PipelineError {
    QSqlError error; // invalid when every statement was done
    // The connection went before the server answered: the work may or may not be kept.
    bool unknown = false;
};
// The statements in one round trip, done together or not at all (the transaction of the
// round trip); db must be a connection of this driver outside a transaction.
PipelineError runTogether(const QSqlDatabase& db, const QVector<Statement>& statements);

} // namespace pglink
