#pragma once

#include "ui/kindvalueform.h"

class QCheckBox;
class Tmain;

// The ten kind limits and the red-number warning switch. Each refresh also repaints the
// entry form's over-limit totals, so a saved limit shows there within half a second.
class Tcu3 : public KindValueForm {
    Q_OBJECT
public:
    explicit Tcu3(Tmain* main);

    bool redWarning() const { return redWarning_; }

public slots:
    void saveValue();

protected:
    void refreshed() override;

private:
    Tmain* main_;
    QCheckBox* chkcolor_ = nullptr;
    bool redWarning_ = false;
    QStringList pushed_; // the limits the entry form last coloured by
};
