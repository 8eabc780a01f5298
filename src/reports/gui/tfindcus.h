#pragma once

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// "ค้นหาชื่อลูกค้าจากตัวเลข": the customers who bet a number of a chosen group, with their
// stakes, from the entered lines of this computer's book.
class Tfindcus : public QWidget {
    Q_OBJECT
public:
    explicit Tfindcus(Desk& desk);
    ~Tfindcus() override;

    QString resultText() const;
    QStringList shownRows() const; // cus|name|num|h|t|l

public slots:
    void find();

private:
    std::unique_ptr<Database> db_;
    QComboBox* group_;
    QLineEdit* number_;
    QLabel* result_;
    QTableWidget* grid_;
};
