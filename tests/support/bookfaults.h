#pragma once

#include "support/tempbook.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/resource.h>

// Books in trouble, for the tests of what the program does then.

QByteArray bytesOf(const QString& path);
QStringList entriesOf(const QString& folder);

// rows rows of h3 in tball and tballcus, in one statement each.
void fillBook(Database& db, int rows);
// The kept sums of a book against a fresh sum of its tball, and its two bet tables' sizes.
void verifyOwnSums(Database& db);
// The kept sums of every kind and number against a fresh sum of tball.
void verifyKeptSums(Database& db);
// Overwrites a leaf page in the middle of tball of the book at path with garbage, with every
// change in the file itself and nothing written after.
void damageTball(Database& db, const QString& path);
// The same for a test's book, which is opened again.
void damageTball(TempBook& book);

// Files above this size cannot be written while it lives (a full disk).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};
