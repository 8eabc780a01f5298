#pragma once

#include "cutting/keptsent.h"
#include "printing/report.h"

#include <QObject>

class Desk;

// The report holder of the cut windows and of the main menu's latest kept and sent amounts:
// per kind a kept and a sent report, read from the shared book when asked.
class Tfmshowcut : public QObject {
    Q_OBJECT
public:
    explicit Tfmshowcut(Desk& desk, QObject* parent = nullptr);

    void showKept(Kind kind);
    // second: the numbers without a limit of their own; byAmount: largest first.
    void showSent(Kind kind, bool second, bool byAmount);

    // Number and amount in five newspaper columns (three for the running digits), the amounts
    // summed at the end.
    static printing::Report report(const keptsent::Listing& listing, int across);
    static int acrossFor(Kind kind);

private:
    void show(Kind kind, keptsent::Part part, bool byAmount);

    Desk& desk_;
};
