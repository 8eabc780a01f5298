#pragma once

#include "settlement/accounts.h"
#include "settlement/prizecheck.h"

#include <QWidget>
#include <memory>

class Database;
class Desk;
class DrawBoxes;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The check by customer: every entered line against the draw, the customers who won, and
// for the one clicked his winning lines and what he and the bookmaker owe each other.
class Tcheckbycus : public QWidget {
    Q_OBJECT
public:
    explicit Tcheckbycus(Desk& desk);
    ~Tcheckbycus() override;

    QString dateText() const;
    const QVector<prizecheck::WinningLine>& lines() const { return lines_; }

public slots:
    // "ตรวจรางวัล".
    void runCheck();
    // The report of the customer in that row of the winners grid.
    void printCustomer(int row);
    void resetCount();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Desk& desk_;
    std::unique_ptr<Database> book_;
    int mode_ = 0;
    QVector<accounts::Account> accounts_;
    QVector<prizecheck::WinningLine> lines_;
    DrawBoxes* draw_ = nullptr;
    QDateEdit* date_ = nullptr;
    QLabel* dateText_ = nullptr;
    QPushButton* check_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* total_ = nullptr;
    bool padded_ = false;
};
