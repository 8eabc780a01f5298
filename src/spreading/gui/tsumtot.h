#pragma once

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The regrouping of the tod lines under their digits in ascending order: the tod totals, a
// progress bar, a gauge and "Start", which runs once; the window is opened again for another
// run.
class Tsumtot : public QWidget {
    Q_OBJECT
public:
    explicit Tsumtot(Desk& desk);
    ~Tsumtot() override;

    QStringList shownTotals() const;
    int progress() const;

public slots:
    void start();

private:
    void reload();

    Desk& desk_;
    std::unique_ptr<Database> book_;
    QTableWidget* grid_;
    QProgressBar* bar_;
    QProgressBar* gauge_;
    QPushButton* start_;
};
