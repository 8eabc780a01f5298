#pragma once

#include "store/database.h"

#include <QString>

// Making this computer the server or a station of the shop (cstr of its own book). The new
// role is taken up at the next start of the program.
namespace stationsetup {

// A computer named "server" or "SERVER" is always the server.
bool isServerName(const QString& computerName);

// The server: the server path becomes the program folder, unless it holds the address of the
// shop's book on a database server, which stays.
void makeServer(Database& own, const QString& programFolder);
// A station of the server computer (its name or network address, a port after a colon):
// "\\" and the name become the server path.
void makeStation(Database& own, const QString& computer);
// The same, and the station starts by hand with its row ceiling at 200.
void resetToStation(Database& own, const QString& computer);

// The server of the shop's book on a database server at address: the book made there when
// missing (every table, the seeded rows), and the address becomes the server path.
void makeBookServer(Database& own, const QString& address);
// The two marker rows by which stations know the server's book ("77" and "87" in tballsave2).
void addMarkers(Database& book);

// The computer a station's typed name may be: a name or an address, a port after a colon.
bool validComputer(const QString& computer);

} // namespace stationsetup

// The password of the shop's book, kept where libpq looks (PGPASSFILE, else ~/.pgpass), in a
// file only its owner may read.
namespace pgpass {

QString file();
// The line of the shop's book on host (any port when port is -1) replaced or added. Throws
// StoreError when the file cannot be written.
void keep(const QString& host, int port, const QString& password);
// The password kept for the shop's book on host and port; empty when there is none.
QString find(const QString& host, int port);
// A new password: 24 letters and digits from the system's random source.
QString newPassword();

} // namespace pgpass
