#pragma once

#include "reports/topnumbers.h"

#include <QWidget>
#include <array>
#include <memory>

class Database;
class Desk;
class QLabel;
class QProgressBar;
class QTableWidget;
class QTimer;

// The board of the current totals of five kinds, largest first: read again once a minute, so
// it follows the lines of every station; the indicator turns green for the last five seconds
// before each reading. The two-digit lists mark the closed and watched numbers when they are
// marked (back27).
class Treal : public QWidget {
    Q_OBJECT
public:
    explicit Treal(Desk& desk);
    ~Treal() override;

    int counter() const { return counter_; }
    bool indicatorGreen() const;
    QTableWidget* list(int index) const { return grids_[static_cast<size_t>(index)]; }

public slots:
    // Timer1, once a second.
    void tick();
    // Reads the five lists again.
    void refresh();

private:
    void showIndicator();

    Desk& desk_;
    std::unique_ptr<Database> db_;
    std::array<QTableWidget*, topnumbers::kLists> grids_{};
    QProgressBar* bar_;
    QLabel* indicator_;
    QTimer* timer_;
    int counter_ = 0;
};
