#pragma once

#include "reports/gui/customerchoice.h"

// One customer's lines in the order they were entered, shown as soon as the name is chosen.
class Tformallbycus : public CustomerChoice {
    Q_OBJECT
public:
    explicit Tformallbycus(Desk& desk);

protected:
    void nameChosen(const QString& name) override;
};
