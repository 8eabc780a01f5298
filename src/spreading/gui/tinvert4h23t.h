#pragma once

#include "spreading/gui/spreadwindow.h"

// The spreading of h4 onto t3.
class Tinvert4h23t : public SpreadWindow {
    Q_OBJECT
public:
    explicit Tinvert4h23t(Desk& desk) : SpreadWindow(desk, spread::Conversion::fourToTod) {
        setObjectName(QStringLiteral("Tinvert4h23t"));
    }
};
