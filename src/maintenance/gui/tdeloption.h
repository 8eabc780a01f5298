#pragma once

#include "maintenance/deletion.h"

#include <QWidget>
#include <memory>

class BookRows;
class Database;
class Desk;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTableView;

// "ลบข้อมูลตามเงื่อนไข": from the book or the entered lines, the rows of a customer, from or up
// to an entry number, or of a kind, after a question; the grid shows the rows of the choice.
class Tdeloption : public QWidget {
    Q_OBJECT
public:
    explicit Tdeloption(Desk& desk);
    ~Tdeloption() override;

    BookRows* rows() const { return rows_; }

public slots:
    // "ลบข้อมูล" and "Reset".
    void deleteChosen();
    void reset();
    // A row of the grid clicked: the field of the chosen condition takes its value.
    void rowClicked(int row);

private:
    deletion::Table table() const;
    void showAll();
    void customerChosen();
    void kindChosen();
    // After a question answered Yes: the deletion, its message and the news of it.
    void run(const std::function<int()>& deletion);

    Desk& desk_;
    std::unique_ptr<Database> db_;
    int mode_ = 0;
    QRadioButton* book_;
    QRadioButton* entered_;
    QRadioButton* byCustomer_;
    QRadioButton* byEntry_;
    QRadioButton* byKind_;
    QComboBox* customer_;
    QString customerName_; // the customer chosen or clicked
    QLineEdit* entry_;
    QCheckBox* upTo_;
    QComboBox* kind_;
    QTableView* grid_;
    BookRows* rows_;
};
