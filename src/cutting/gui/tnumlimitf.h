#pragma once

#include "cutting/gui/numberlistform.h"
#include "cutting/numberlimits.h"

class QCheckBox;
class QComboBox;

// Per-number limits (numlimit) and the fifty-percent switch of the menu cut.
class Tnumlimitf : public NumberListForm {
    Q_OBJECT
public:
    explicit Tnumlimitf(Desk& desk);

    // The fifty-percent mode as last written (backc.back19), for the next menu cut.
    bool fiftyPercent() const { return fiftyPercent_; }

protected:
    QStringList itemCaptions() const override;
    bool item(int index, EntryItem* out) const override;
    QVector<Kind> shownKinds() const override;
    BulkOutcome fill(const BulkRequest& request, const std::function<void(int)>& progress) override;
    void fillRefused() override;
    void addSwitches(QBoxLayout* column) override;
    void addBulkChoices(QBoxLayout* row) override;

private:
    void choiceMade(int index);
    BulkChoice choice() const;

    QComboBox* c5_ = nullptr;
    QCheckBox* f2_ = nullptr;
    bool fiftyPercent_ = true;
};
