#pragma once

#include <QWidget>
#include <array>

class Desk;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

// Which buttons and pages the entry form shows, their captions, the default entry mode, the
// kind naming mode and digit sorting. Works on the computer's own database.
class Tmenusetup : public QWidget {
    Q_OBJECT
public:
    explicit Tmenusetup(Desk& desk);

public slots:
    void save();

private:
    void build();
    void load();
    // Stores the kind naming mode; the head page follows it.
    void chooseNamingMode(int mode, bool announce);
    void headPageClicked(bool on);
    void digitSortingToggled(bool on);

    Desk& desk_;
    std::array<QCheckBox*, 10> flags_{};
    std::array<QLineEdit*, 10> captions_{};
    std::array<QCheckBox*, 4> pages_{}; // set, head, stock, normal
    QButtonGroup* defaultMode_ = nullptr;
    QButtonGroup* r2_ = nullptr;
    QCheckBox* f2c_ = nullptr;
    int namingMode_ = 0;
};
