#pragma once

#include "printing/report.h"
#include "settlement/customercheck.h"
#include "settlement/prizecheck.h"

class Database;
class Desk;

// The winning lines of the customers in one kind, at each customer's own pay rate.
namespace winnersreport {

printing::Report report(Kind kind, const QVector<prizecheck::WinningLine>& lines);
// Reads the kind's winners and shows their report; a book that cannot be read is said.
void show(Desk& desk, Database& db, Kind kind, const winning::Rule& rule);

// One customer's winning lines with his account and who owes the difference.
printing::Report settlementReport(const QString& name, const QString& dateText,
                                  const QVector<prizecheck::WinningLine>& lines,
                                  const customercheck::Settlement& settlement);
void showSettlement(Desk& desk, const QString& name, const QString& dateText,
                    const QVector<prizecheck::WinningLine>& lines,
                    const customercheck::Settlement& settlement);

} // namespace winnersreport
