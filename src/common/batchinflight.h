#pragma once

#include <QString>
#include <QVariantList>

class Database;

// A station's batch on its way to the server (see transfer): its rows are deleted from the
// station once the server holds them, so a row changed or deleted meanwhile would stay on the
// server as it was sent. Writers of the book's lines ask first, inside their write transaction.
namespace inflight {

// Throws the refusal when a row of tball in the batch meets condition (a WHERE clause of
// tball with its binds; every row when empty).
void refuseChange(Database& book, const QString& condition = QString(),
                  const QVariantList& binds = {});
QString refusedText();

} // namespace inflight
