#pragma once

#include "spreading/gui/spreadwindow.h"

class QLabel;
class QRadioButton;

// The spreading of h1 onto h3: each digit's total, in full or less the h1 discount percent,
// over the 271 three-digit numbers holding it.
class Th1toh3 : public SpreadWindow {
    Q_OBJECT
public:
    explicit Th1toh3(Desk& desk);

protected:
    spread::Options options() const override;
    void stepped(const spread::Progress& step) override;

private:
    QRadioButton* deduct_;
    QLabel* stake_;
    int discount_ = 0;
};
