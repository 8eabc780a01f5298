#pragma once

class Desk;
class QString;
class QWidget;

// The numbered copy of the book made before a change of many rows (a cut, a spreading). True
// when the work may go on: the copy is written, or it could not be and the user still wants
// the work done. A damaged book is said on the desk and stops the work.
bool copyBeforeWork(Desk& desk, QWidget* parent, const QString& prefix, const QString& work);
