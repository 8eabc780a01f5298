#pragma once

#include "ui/kindvalueform.h"

class Desk;
class QCheckBox;

// The ten kind limits and the red-number warning switch. New limits, saved here or on
// another computer, reach the entry form's over-limit totals at the next refresh.
class Tcu3 : public KindValueForm {
    Q_OBJECT
public:
    explicit Tcu3(Desk& desk);

    bool redWarning() const { return redWarning_; }

protected:
    void refreshed() override;
    void saved() override;

private:
    Desk& desk_;
    QCheckBox* chkcolor_ = nullptr;
    bool redWarning_ = false;
    QStringList told_; // the limits the desk was last told
};
