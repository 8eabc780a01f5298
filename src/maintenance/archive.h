#pragma once

#include "common/copyjob.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class Database;

// Every past draw is kept: before the start-over empties the book, the whole book is written
// as one SQLite file in the folder archive beside the copies, with a summary of the draw, and
// is only ever opened read-only after.
namespace archive {

struct Summary {
    QString drawDate;          // yyyy-MM-dd: the day of the last prize check, else the day kept
    QString savedAt;           // yyyy-MM-dd HH:mm:ss
    qint64 lines = 0;          // bet lines typed (the log of lines)
    qint64 records = 0;        // rows entered
    double stakes = 0;         // everything entered
    double kept = 0;           // what the last cut kept
    double sent = 0;           // what every cut sent
    std::optional<qint64> net; // the prize check's profit (or loss) when the draw was checked
};

// The counts and sums of a book (drawDate, savedAt and net left empty).
Summary summarize(Database& book);
// The day of the draw a book holds: the day its prize check last ran, else today.
QString drawDateOf(Database& book, const QDate& today);

// <program folder>archive/
QString folderOf(const QString& programFolder);
// A new file of the folder for a draw kept at a time: "2024-06-16_18-30-05.mde", never the name
// of a file already there.
QString newFileName(const QString& folder, const QString& drawDate, const QDateTime& at);

// The prize check's net of a draw, read from the archive being written (none: not checked).
using NetOf = std::function<std::optional<qint64>(Database& archive)>;
// Writes the book read through reader as the archive at target: a snapshot after the check of
// every page, with its summary (its net taken from the snapshot, when the draw was checked),
// flushed and put in place in one step, then made read-only. Nothing is left at target unless
// written.
CopyResult write(Database& reader, const QString& target, Summary& summary, const NetOf& netOf);

// The summary an archive carries; one worked out from its rows when it carries none.
Summary readSummary(Database& archive);

struct Entry {
    QString file;
    Summary summary;
    QString problem; // why the file could not be read; empty when it was
};
// The archived draws of a program folder, the latest draw first.
QVector<Entry> list(const QString& programFolder);

// An archived draw, opened read-only; throws StoreError.
std::unique_ptr<Database> open(const QString& file);

// What every view of an archived draw says first, and its draw in a few words.
QString banner(const Summary& summary);
QString title(const Summary& summary);

} // namespace archive
