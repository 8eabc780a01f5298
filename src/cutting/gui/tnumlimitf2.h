#pragma once

#include "cutting/gui/numberlistform.h"

class QCheckBox;

// Closed and watched numbers (numlimit2) with the warning and highlighting switches.
class Tnumlimitf2 : public NumberListForm {
    Q_OBJECT
public:
    explicit Tnumlimitf2(Desk& desk);

    // The switches as last written (backc.back23, backc.back27).
    bool closedWarning() const { return closedWarning_; }
    bool watch() const { return watch_; }

protected:
    QStringList itemCaptions() const override;
    bool item(int index, EntryItem* out) const override;
    QVector<Kind> shownKinds() const override;
    void addSwitches(QBoxLayout* column) override;

private:
    // The entry form keeps its own copy of the switches.
    void tellEntryForm();

    QCheckBox* f3_ = nullptr;
    QCheckBox* f4_ = nullptr;
    bool closedWarning_ = true;
    bool watch_ = true;
};
