#pragma once

#include "common/settings.h"
#include "spreading/conversions.h"

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

// The window of one spreading conversion: the source kind's totals, a progress bar and the
// start button; a conversion's own choices sit above them. The conversion works on the book
// of this computer's own lines in one transaction; the window then says it is done and the
// desk tells the entry form.
class SpreadWindow : public QWidget {
    Q_OBJECT
public:
    SpreadWindow(Desk& desk, spread::Conversion conversion);
    ~SpreadWindow() override;

    int progress() const;
    QStringList shownTotals() const { return shownRows(grid_); }

    // The grid of a kind's totals ("เลข", "จำนวน"), and its rows as num|total.
    static QTableWidget* totalsGrid(QWidget* parent);
    static void showTotals(QTableWidget* grid, const QVector<spread::Total>& totals);
    static QStringList shownRows(const QTableWidget* grid);

public slots:
    void start();
    // Asks for a new margin percent and keeps it.
    void askMargin();
    // Reads the source totals again.
    void reload();

protected:
    // The conversion's choices as they stand.
    virtual spread::Options options() const { return {}; }
    // Told of the progress inside the conversion's transaction.
    virtual void stepped(const spread::Progress&) {}
    // A row of choices above the grid.
    void addRow(QWidget* row);
    // The status line, shown when a conversion has one.
    QLabel* statusLine();
    // The margin's status line and the button that sets it (settings field back11 or back12).
    void addMarginRow(Backc field);
    int margin() const { return margin_; }

    Desk& desk_;
    std::unique_ptr<Database> book_;

private:
    spread::Conversion conversion_;
    QVBoxLayout* layout_;
    QLabel* status_ = nullptr;
    QTableWidget* grid_;
    QProgressBar* bar_;
    QPushButton* start_;
    Backc marginField_ = Backc::back12;
    int margin_ = 0;
};
