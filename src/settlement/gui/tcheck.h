#pragma once

#include "settlement/prizecheck.h"

#include <QWidget>
#include <array>
#include <memory>

class Database;
class Desk;
class DrawBoxes;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The prize check window: the draw, the discount percents and, per kind, what the bookmaker
// keeps, pays and nets on the kept amounts of the last cut; the winners of each customer.
class Tcheck : public QWidget {
    Q_OBJECT
public:
    explicit Tcheck(Desk& desk);
    ~Tcheck() override;

    Draw typedDraw() const;

public slots:
    // "ตรวจรางวัล": empties the results; the check runs at the timer's next tick.
    void startCheck();
    void runCheck();
    void fillAveragePercents();
    void keepAllCurrent();
    // The chooser's item: 0 the workbook of every kind, 1 to 10 a kind's winners report.
    void showWinners(int item);
    void openAccounts();
    // The window closes itself a while after it opened.
    void onCloseTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool readPercents(std::array<qint64, kKindCount>* percents);
    void clearResults();
    // The kinds' own captions, shown until a check has results.
    void showKindCaptions();
    void showResult(const prizecheck::Result& result);

    Desk& desk_;
    std::unique_ptr<Database> book_;
    int mode_ = 0;
    DrawBoxes* draw_ = nullptr;
    std::array<QLabel*, kKindCount> captions_{};
    std::array<QLineEdit*, kKindCount> percents_{}, kept_{}, paid_{}, net_{};
    QLabel* totalCaption_ = nullptr;
    QLineEdit* total_ = nullptr;
    QPushButton* check_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QComboBox* winners_ = nullptr;
    QTimer* tick_ = nullptr;
    QTimer* close_ = nullptr;
};
