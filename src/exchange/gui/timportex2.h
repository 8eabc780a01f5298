#pragma once

#include "exchange/sheetfile.h"

#include <QWidget>

class Desk;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

// The import of a sheet of bets: the customer they are booked to, the file, its rows, and the
// import; the window closes itself after ten minutes without use.
class Timportex2 : public QWidget {
    Q_OBJECT
public:
    explicit Timportex2(Desk& desk);
    static constexpr int kIdleSeconds = 600;
    int secondsLeft() const { return secondsLeft_; }

public slots:
    void chooseFile();
    void importSheet();
    // Timer1: one second of the countdown.
    void onTimer1();

private:
    void restartCountdown();
    void showRows(const QVector<sheetfile::Row>& rows);

    Desk& desk_;
    QComboBox* customers_;
    QLineEdit* path_;
    QTableWidget* grid_;
    QProgressBar* bar_;
    QLabel* rowsLabel_;
    QLabel* countdown_;
    QTimer* timer_;
    QString customer_; // the code chosen, empty for the combined customer
    int secondsLeft_ = kIdleSeconds;
};
