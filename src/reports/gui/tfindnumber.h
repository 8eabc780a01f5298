#pragma once

#include "reports/search.h"

#include <QWidget>
#include <memory>

class Database;
class DataGrid;
class Desk;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "ค้นหาตัวเลขซ้ำซ้อน": every stored row of one number of one kind, in the processed lines or
// in the copy of what was entered, edited and deleted in place to remove a line typed twice.
// An edit is checked where it is typed and written at once; the kind's totals follow.
class Tfindnumber : public QWidget {
    Q_OBJECT
public:
    explicit Tfindnumber(Desk& desk);
    ~Tfindnumber() override;

    DataGrid* grid() const { return grid_; }
    QString resultText() const;
    QString titleText() const;
    // A refused edit is said after its editor has closed.
    void refuseEdit(const QString& refusal);

public slots:
    void find();
    void reset();

private:
    search::Table table() const;
    void openTable();
    void colourHeader();

    Desk& desk_;
    std::unique_ptr<Database> db_;
    QComboBox* kind_;
    QLineEdit* number_;
    QRadioButton* processed_;
    QRadioButton* entered_;
    QLabel* title_;
    QLabel* result_;
    DataGrid* grid_;
    search::Table opened_ = search::Table::processed;
};
