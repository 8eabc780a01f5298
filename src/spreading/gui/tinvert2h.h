#pragma once

#include "spreading/gui/spreadwindow.h"

// The spreading of h2 onto h3, with its margin.
class Tinvert2h : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tinvert2h(Desk& desk) : SpreadWindow(desk, spread::Conversion::twoToTop) {
        setObjectName(QStringLiteral("Tinvert2h"));
        addMarginRow(Backc::back11);
    }

protected:
    spread::Options options() const override {
        spread::Options chosen;
        chosen.margin = margin();
        return chosen;
    }
};
