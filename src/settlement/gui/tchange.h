#pragma once

#include "ui/kindvalueform.h"

class Desk;
class QTimer;

// The bookmaker's own pay rate of every kind, one kind at a time. Closes itself after
// thirty seconds.
class Tchange : public KindValueForm {
    Q_OBJECT
public:
    explicit Tchange(Desk& desk);

public slots:
    void onCloseTimer();

protected:
    void saved() override;

private:
    Desk& desk_;
    QTimer* close_ = nullptr;
};
