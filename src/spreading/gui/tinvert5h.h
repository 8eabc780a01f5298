#pragma once

#include "spreading/gui/spreadwindow.h"

// The spreading of h5 onto t3.
class Tinvert5h : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tinvert5h(Desk& desk) : SpreadWindow(desk, spread::Conversion::fiveToTod) {
        setObjectName(QStringLiteral("Tinvert5h"));
    }
};
