#pragma once

#include "store/database.h"

#include <QString>
#include <functional>

// The regrouping of the tod lines already in the book under their digits in ascending order:
// one tod line per former tod total, its digits sorted, so that every order of a group's
// digits meets in one total. One transaction of the book under its cut lock (StoreError, and
// nothing changed, on any failure).
namespace spread {

struct Regrouped {
    int totals = 0; // tod totals read
    int lines = 0;  // tod lines written
};

// Told the share of totals done in whole percent (inside the transaction: it must not wait;
// throwing from it abandons the regrouping).
Regrouped regroupTod(Database& book, const std::function<void(int percent)>& progress = {});

QString regroupCustomer(); // ==>รวมโต๊ด
QString regroupDoneText(); // รวมกลุ่ม 3ตัวโต๊ด เรียบร้อย

} // namespace spread
