#pragma once

#include "store/database.h"

#include <QStringList>
#include <exception>
#include <memory>

class Desk;
class QComboBox;
class QWidget;

// What the exchange windows share: the book bets go to, the copy taken before a bulk
// change, the customer list.
namespace exchangedesk {

// The book the entry form's lines go to (the own book, or the shared one where the lines go
// there); a location a worker thread can open for itself, empty for the own book.
QString betsLocation(Desk& desk);
std::unique_ptr<Database> openBets(Desk& desk);
std::unique_ptr<Database> openLocation(Desk& desk, const QString& location);

// The numbered copy before an import or a merge; false when the clerk would rather stop
// (or the book is damaged, which is said).
bool copyBefore(Desk& desk, QWidget* parent, const QString& prefix);

// The customers of the list, in the order the settings say.
QStringList customerNames(Desk& desk, Database& book);

// The chooser dbc1 of the customers of the book bets go to, showing "แบบรวม" until one is
// chosen; a choice puts the customer's code into *code.
QComboBox* customerBox(QWidget* parent, Desk& desk, QString* code);

// The customer's code (every name is its own).
QString customerCode(Database& book, const QString& name);

// What a failed batch says (a row refused, the book's or the file's refusal); empty for none.
QString failureText(std::exception_ptr failure);

// The lines of a box saved as a text file the clerk names; what fails is said.
void saveText(QWidget* parent, Desk& desk, const QString& text);

} // namespace exchangedesk
