#pragma once

#include "spreading/gui/spreadwindow.h"

// The spreading of l1 onto l2.
class Tl1tol2 : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tl1tol2(Desk& desk) : SpreadWindow(desk, spread::Conversion::runToTwo) {
        setObjectName(QStringLiteral("Tl1tol2"));
    }
};
