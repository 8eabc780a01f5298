#pragma once

#include <QObject>

class QProgressBar;
class QPushButton;
class QTimer;

// The wait after a fill: a one-second timer moves the bar, the show button stays disabled,
// and the fifth tick enables it and stops.
class FillWait : public QObject {
    Q_OBJECT
public:
    static constexpr int kTicks = 5;

    FillWait(QProgressBar* bar, QPushButton* show, QObject* parent = nullptr);
    void start();
    bool running() const;

public slots:
    // One second of the wait; called by the timer.
    void tick();

signals:
    void finished();

private:
    QProgressBar* bar_;
    QPushButton* show_;
    QTimer* timer_;
    int ticks_ = 0;
};
