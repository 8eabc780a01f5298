#pragma once

class Desk;
class QWidget;

// The menu commands of the cut's log that open no window of their own.
namespace cutcommands {

// Halves the latest sent list and shows it.
void halveLatestSent(Desk& desk, QWidget* parent);
// Deletes the whole log after asking.
void deleteLog(Desk& desk, QWidget* parent);

} // namespace cutcommands
