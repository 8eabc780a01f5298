#pragma once

#include "store/kinds.h"

#include <QString>
#include <functional>

class Database;

// "ปรับปรุงตารางข้อมูล": every kind's lines of the book become one line per number holding
// its total, under the customer "ปรับปรุงตาราง"; the kept tables take the current totals. Every
// total, and so every view and cut, stays as it was; the entered lines are not touched.
namespace consolidation {

QString customer(); // ปรับปรุงตาราง

// A kind done and where the bar stands (1, 10, 20 ... 100 across the kinds).
using Progress = std::function<void(Kind kind, int percent)>;

// One transaction under the book's cut lock: whole or not at all. A throw of progress stops it.
// Returns the lines the book holds after.
qint64 consolidate(Database& book, const Progress& progress = {});

QString doneText(); // ปรับปรุงตารางข้อมูลเรียบร้อย

} // namespace consolidation
