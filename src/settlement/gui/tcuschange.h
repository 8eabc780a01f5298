#pragma once

#include "settlement/gui/customerwindow.h"

class QLabel;

// The customer list with the ten pay rates, and the copy of each customer's rates to his
// sheet customers.
class Tcuschange : public CustomerWindow {
    Q_OBJECT
public:
    explicit Tcuschange(Desk& desk);

public slots:
    void copyRates(); // "ปรับปรุงข้อมูล"

private:
    void showRow(int row);

    QLabel* label1_ = nullptr;
};
