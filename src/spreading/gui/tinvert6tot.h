#pragma once

#include "spreading/gui/spreadwindow.h"

class QCheckBox;

// The spreading of h3 onto t3: every whole group of six arrangements gives 5/6 of its least
// total (6/6 with "  X 6") to one tod line.
class Tinvert6tot : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tinvert6tot(Desk& desk);

protected:
    spread::Options options() const override;

private:
    void setFull(bool full);

    QCheckBox* full_;
};
