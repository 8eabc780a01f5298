#pragma once

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QComboBox;

// The log of the cut by limit: the sent amounts of one cut or of all, printed or taken back
// into the book as lines.
class Tcutover : public QWidget {
    Q_OBJECT
public:
    explicit Tcutover(Desk& desk);
    ~Tcutover() override;

    QComboBox* chooser() const { return chooser_; }

public slots:
    void printChosen();
    void printLatest();
    void takeBack();

private:
    // The cut of the chosen item (0 all cuts); without a choice, -1 once it is said.
    int chosenCut();
    void fill();

    Desk& desk_;
    std::unique_ptr<Database> book_;
    QComboBox* chooser_;
};
