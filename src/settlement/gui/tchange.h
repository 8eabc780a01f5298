#pragma once

#include "ui/kindvalueform.h"

class QTimer;
class Tmain;

// The bookmaker's own pay rate of every kind, one kind at a time. Closes itself after
// thirty seconds.
class Tchange : public KindValueForm {
    Q_OBJECT
public:
    explicit Tchange(Tmain* main);

public slots:
    void onCloseTimer();

private:
    QTimer* close_ = nullptr;
};
