#pragma once

#include <QString>

// Text a customer typed elsewhere (a chat message, a sheet cell) as the system reads it.
namespace plaintext {

// Thai (๐-๙) and full-width (０-９) digits as Latin digits, full-width "-" and "/" as theirs,
// and no white space at all (spaces, no-break and zero-width spaces, tabs).
QString plain(const QString& text);

// An amount: digits with an optional leading "-", a fraction and thousands commas; empty is
// 0. False for anything else and for amounts too large to hold.
bool amountOf(const QString& text, double* value);

} // namespace plaintext
