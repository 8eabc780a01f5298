#pragma once

#include "spreading/gui/spreadwindow.h"

class QCheckBox;

// The spreading of t3 onto h3, with its margin and the choice of spreading only the numbers
// of three arrangements.
class Tinverttot : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tinverttot(Desk& desk);

protected:
    spread::Options options() const override;

private:
    QCheckBox* threeDoors_;
};
