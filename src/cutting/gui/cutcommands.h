#pragma once

class Desk;
class QWidget;

// The menu commands of the cut's log that open no window of their own.
namespace cutcommands {

// Halves the latest sent list and shows it.
void halveLatestSent(Desk& desk, QWidget* parent);
// The numbered copy before a cut that rewrites the book; false when the cut must not go on
// (the book is damaged, or the user would rather not cut without a copy).
bool copyBeforeCut(Desk& desk, QWidget* parent);
// Deletes the whole log after asking.
void deleteLog(Desk& desk, QWidget* parent);

} // namespace cutcommands
