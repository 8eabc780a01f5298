#pragma once

#include <functional>

class Database;

// Copies the server path, the password, the customers, the three rate tables and the first
// 19 fields of backc from another database of this program into the own one, as one
// transaction: on a failing statement nothing is copied and StoreError is thrown.
void loadSettings(Database& own, Database& from, const std::function<void(int)>& progress);
