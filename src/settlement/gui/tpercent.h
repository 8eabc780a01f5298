#pragma once

#include "settlement/accounts.h"

#include <QWidget>

class Desk;
class QProgressBar;
class QTimer;

// The wait before everybody's discounts are shown: the accounts are built as it opens, a
// one-second timer beeps and moves the three-step bar, and the third tick shows the report and
// closes the window. It has no close button and takes no input meanwhile.
class Tpercent : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTicks = 3;

    explicit Tpercent(Desk& desk);

    const QVector<accounts::Account>& accounts() const { return accounts_; }
    QTimer* timer() const { return timer_; }

public slots:
    // One second of the wait; called by the timer.
    void tick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Desk& desk_;
    QVector<accounts::Account> accounts_;
    QProgressBar* bar_;
    QTimer* timer_;
    int ticks_ = 0;
};
