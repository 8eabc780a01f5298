#pragma once

#include "ui/kindvalueform.h"

class QCheckBox;
class Tmain;

// The ten kind limits and the red-number warning switch. New limits, saved here or on
// another computer, reach the entry form's over-limit totals at the next refresh.
class Tcu3 : public KindValueForm {
    Q_OBJECT
public:
    explicit Tcu3(Tmain* main);

    bool redWarning() const { return redWarning_; }

protected:
    void refreshed() override;
    void saved() override;

private:
    Tmain* main_;
    QCheckBox* chkcolor_ = nullptr;
    bool redWarning_ = false;
    QStringList pushed_; // the limits the entry form last coloured by
};
