#pragma once

#include "store/database.h"

#include <QString>
#include <QStringList>
#include <functional>

// One copy of the book: a consistent snapshot at target, then plain file copies of that
// finished snapshot at each path of alsoTo. Every file is written beside its place and renamed
// over it in one step, so a copy that fails or is refused leaves the previous copy as it was
// and no temporary file.
struct CopyJob {
    QString target;
    QStringList alsoTo;
    // No copy: every page of the book is read and checked. Written then means sound; target
    // only names the job.
    bool checkOnly = false;
    // Run on the finished snapshot (its path) before it is put in place: what went wrong, or
    // empty. A copy whose finish fails is not put in place.
    std::function<QString(const QString& file)> finish = nullptr;
    bool isEmpty() const { return target.isEmpty(); }

    static CopyJob check(const QString& bookPath) {
        return {bookPath + QStringLiteral("#check"), {}, true};
    }
};

// file is the job's target; a failure of one of alsoTo is Failed with that path in detail.
using CopyResult = SnapshotResult;

// Runs the job on the given connection to the book (the caller's, or a copier's own).
CopyResult runCopy(Database& book, const CopyJob& job);

// What the window says when a copy was refused because the book is damaged.
QString damagedBookMessage();
