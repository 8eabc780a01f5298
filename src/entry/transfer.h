#pragma once

#include <QString>
#include <functional>

class Database;

// A station's rows passed to the server's book in batches. A batch is one transaction on the
// server, which keeps the batch's token in the same transaction; the station deletes its rows
// only after that commit, in one transaction of its own. A batch cut off anywhere (the station
// ended, the server gone) stays on the station with its token and goes again at the next
// transfer; a server that already holds the token is not written twice.
namespace transfer {

// A new batch token: sixteen hex digits from the system's random source.
QString newToken();

// What the server's book says before a batch.
struct Probe {
    int markers = 0;         // rows of 2hh and tballsave2: the server's book is there
    int othersSending = 0;   // ref rows of other computers: their batches under way
    QString sendingComputer; // the first of them
    bool reachable() const { return markers > 0; }
};
// Reads the server's marker rows and ref; rows of this computer (a batch of its own that was
// cut off) do not count. Throws StoreError when the server cannot be read.
Probe probe(Database& server, const QString& computerName);

// The station's rows, and the id of its first row without a number (0 when there is none).
qint64 stationRows(Database& station);
qint64 rowWithoutNumber(Database& station);

// Where a batch stands; tests stop a station there.
enum class Stage {
    batchKept,       // the station has kept its batch's token
    halfSent,        // the server has half of the batch's rows, uncommitted
    serverCommitted, // the server has committed; the station still holds the rows
};

struct Options {
    QString computerName;
    // A transfer by the button: ref shows the number of rows under way.
    bool manual = true;
    // "Checkการถ่ายโอน": the station reads the server's record of the batch back before it
    // lets its rows go.
    bool readBack = false;
    // The clerk said no other computer is sending: the batches ref shows under way are stale.
    bool clearRef = false;
    std::function<void(int percent)> progress;
    std::function<void(Stage)> reached;
};

struct Result {
    int rows = 0;       // rows that left the station
    qint64 lastId = 0;  // the id of the last of them
    int batches = 0;    // 0: the station held nothing
    bool again = false; // a batch the server had already taken went no second time
};

// Sends every row the station holds: first a batch that was cut off, then the rest. Throws
// StoreError when the server or the station refuses; every row not yet on the server then
// stays on the station.
Result send(Database& station, Database& server, const Options& options);

// The server's notification flag taken: true when stations had written rows since (back4 was
// "1"); the flag is "0" after, whoever set it meanwhile is seen at the next call.
bool takeNotice(Database& book);

} // namespace transfer
