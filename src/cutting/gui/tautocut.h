#pragma once

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QComboBox;
class QRadioButton;

// The switch and interval of the automatic cut, written as they are chosen; closing the window
// ends the program, so the entry form reads them at the next start.
class Tautocut : public QWidget {
    Q_OBJECT
public:
    explicit Tautocut(Desk& desk);
    ~Tautocut() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void write(const std::function<void(Database&)>& change);

    Desk& desk_;
    std::unique_ptr<Database> book_;
    QRadioButton* on_;
    QRadioButton* off_;
    QComboBox* interval_;
};
