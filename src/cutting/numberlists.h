#pragma once

#include "common/settings.h"
#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Database;

// The two per-number lists: limits (numlimit) and closed/watched numbers (numlimit2).
enum class NumberList { limits, closed };
QString listTable(NumberList list);

// How an entry item turns the typed number into the numbers it writes.
enum class Spread {
    asTyped,     // the number itself
    tod,         // digits sorted while digit sorting is on
    set,         // every distinct arrangement of three digits
    withReverse, // the number and its reverse
};

struct EntryItem {
    QVector<Kind> kinds; // written in this order
    int width = 0;       // length of the typed number
    Spread spread = Spread::asTyped;
    bool autoAdvance = true; // the number box moves on by itself at full width
};

// Items that write one number per kind refuse a listed one; the others skip it silently.
bool refusesListed(const EntryItem& item);

// The numbers an item writes for one typed number, before any is checked against the list.
QStringList itemNumbers(const EntryItem& item, const QString& number, bool sortDigits);

struct StoreOutcome {
    bool ok = false;       // the line was accepted (even if every number was listed)
    QVector<Kind> written; // kinds that got at least one new row
    QStringList messages;  // to show in order (refusals, errors)
};

// Stores a typed line with its amount as one transaction. Digit sorting is read from backc.back5.
StoreOutcome storeLine(Database& db, NumberList list, const EntryItem& item, const QString& number,
                       const QString& amount);

// Bulk fill by digit position.
enum class Position { hundreds, tens, units };
struct BulkRequest {
    Kind kind = Kind::h3; // h3, l3, h2 or l2
    Position position = Position::hundreds;
    int digit = -1; // -1: none chosen
    QString amount;
};
struct BulkOutcome {
    bool ok = false;
    int inserted = 0;
    QString message;
};
// The numbers of a bulk fill; empty when the position does not fit the kind.
QStringList bulkNumbers(Kind kind, Position position, int digit);
// progress gets the tail of each number (0..99, or 0..90 in steps of 10 for two digits).
BulkOutcome bulkFill(Database& db, NumberList list, const BulkRequest& request,
                     const std::function<void(int)>& progress = {});

struct ListRow {
    QString num;
    QString h;
};
// One kind's rows in display order.
QVector<ListRow> listRows(Database& db, NumberList list, Kind kind);

// Deletes one kind's rows or the whole list; returns the message to show.
QString deleteKindRows(Database& db, NumberList list, Kind kind);
QString deleteAllRows(Database& db, NumberList list);

struct CopyOutcome {
    bool ok = false;
    int copied = 0;
    QString message;
};
// Replaces the own list with the server's. The server is read before anything is deleted,
// so a failed read leaves the own list as it was. progress gets whole percent copied.
CopyOutcome copyFromServer(Database& own, Database& server, NumberList list,
                           const std::function<void(int)>& progress = {});

// Writes a check-box switch of backc, "1" or "0", in its own transaction.
void writeSwitch(Database& db, Backc field, bool on);

// Texts shared by both forms.
namespace listtext {
inline const char* const listed = "มีเลขนี้แล้วในรายการ";
inline const char* const noItem = "กรุณาเลือกชนิดของข้อมูลก่อน";
inline const char* const noDigit = "กรุณาเลือกตัวเลข";
inline const char* const wrongChoice = "คุณเลือกข้อมูลผิด";
inline const char* const deleted = "ลบข้อมูลเรียบร้อย";
inline const char* const loaded = "โหลดข้อมูลเรียบร้อย";
inline const char* const badAmount = "จำนวนเงินไม่ถูกต้อง";
} // namespace listtext
QString incompleteNumberMessage(int width);
