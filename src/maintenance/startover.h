#pragma once

#include "maintenance/archive.h"

#include <QDateTime>
#include <QString>
#include <functional>

class Database;

// Emptying a book for the next draw: its bet lines, stored lines and their log, the kept and
// sent tables, the logs of the cuts and the counters of the draw. Customers, rates, limits,
// per-number limits, the draw result and the settings stay.
namespace startover {

// What goes besides the lines, the cuts and their logs.
struct Scope {
    bool sheetCustomers = true; // the customers' sheets (names holding "แผ่น")
    bool stationTotals = true;  // ref: the totals the stations last reported
};

// Inside the caller's transaction (the writer holds the book).
void emptyWithin(Database& book, const Scope& scope);
// In one transaction that holds the book's cut lock: whole or not at all. Throws StoreError.
void emptyBook(Database& book, const Scope& scope = {});

struct Options {
    QString archiveFolder; // ends with '/'
    QDateTime now;         // the archive's time; the draw's day falls back to its date
    archive::NetOf netOf;  // the prize check's net, read from the archive
    Scope scope;
    // Stages of the work: a percent and what is being done. A throw stops the start-over.
    std::function<void(int percent, const QString& status)> progress;
};

struct Outcome {
    QString archive; // the file the draw was kept in
    archive::Summary summary;
};

// The start-over of the book at location: the whole book written as the archive of its draw,
// then emptied, the two under one hold of the book, so a line another computer records
// meanwhile waits and goes into the next draw. Nothing is emptied unless the archive is in
// place, and an archive whose emptying failed is taken away again. Opens connections of its
// own, so it may run on any thread. Throws StoreError.
Outcome archiveAndEmpty(const QString& location, const Options& options);

// After a start-over: the numbered and timed copies of the draw go (the draw is in its archive).
void removeDrawCopies(const QString& programFolder);

// The words of the stages.
QString archivingText();
QString emptyingText();
// The refusal when the archive could not be written.
QString archiveFailedText(const QString& detail);

} // namespace startover
