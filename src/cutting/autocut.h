#pragma once

#include <QString>
#include <QStringList>

class Database;

// The automatic cut: its switch and interval, and the countdown the entry form shows to the
// next run.
namespace autocut {

struct Setting {
    bool on = false;
    int intervalMs = 60000;
};
Setting read(Database& db);
void setOn(Database& db, bool on);
void setInterval(Database& db, int intervalMs);

// The intervals offered, with their captions ("30วินาที" ...).
const QList<int>& intervals();
QStringList intervalCaptions();

// The countdown: a tick a second; restarted when a cut runs.
class Countdown {
public:
    explicit Countdown(int intervalMs) : interval_(intervalMs > 0 ? intervalMs : 60000) {}
    // The cut ran: the next tick shows 0 percent.
    void restart() { elapsed_ = -1000; }
    struct Shown {
        int percent = 0;
        int secondsLeft = 0;
        bool red = false;      // above 80 percent
        bool warnRows = false; // 95 percent or more: the cut is about to run
    };
    Shown tick();

private:
    int interval_;
    int elapsed_ = 0;
};

} // namespace autocut
