#pragma once

#include <QDate>
#include <QString>

class Database;

// The day the draw of the book was last checked (checkdata.ckdate): the prize check writes it,
// and the archive of the draw is named by it.
namespace drawdate {

// "yyyy-MM-dd", or empty when the draw was never checked (or the book predates the column).
QString lastChecked(Database& book);
// Inside the check's transaction; a book without the column is left as it is.
void markChecked(Database& book, const QDate& day);

// A new draw has not been checked yet.
void forget(Database& book);

// "16 มิถุนายน 2567" and "16 มิ.ย. 2567" of "2024-06-16"; the text itself when it is no date.
QString thaiLong(const QString& isoDate);
QString thaiShort(const QString& isoDate);

} // namespace drawdate
