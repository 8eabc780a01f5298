#pragma once

#include "cutting/gui/cutwindow.h"

class QPushButton;
class KindValueForm;

// The cut and analysis window: the discount percents on its main page, a trial cut of a kind
// at a keep amount on its cut page (the book is not changed), "คำนวณสู้", and on the result
// page what the cut means in money, with the kept and sent reports.
class Tfmcut : public CutWindow {
    Q_OBJECT
public:
    explicit Tfmcut(Desk& desk);
    ~Tfmcut() override;

    KindValueForm* percents() const { return percents_; }

public slots:
    void fight(Kind kind);
    void useCustomerAverages();

protected:
    void cut(Kind kind) override;
    void halve(Kind kind) override;

private:
    KindValueForm* percents_;
    bool fiftyPercent_ = false;
};
