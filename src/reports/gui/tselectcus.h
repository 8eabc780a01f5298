#pragma once

#include "reports/customerviews.h"
#include "reports/gui/customerchoice.h"

class FillWait;
class QCheckBox;
class QProgressBar;

// The stakes of one customer (with his sheets when asked), for all kinds or one, held from the
// choice of the name until they are shown.
class Tselectcus : public CustomerChoice {
    Q_OBJECT
public:
    explicit Tselectcus(Desk& desk);

    FillWait* wait() const { return wait_; }
    const customerviews::Listing& listing() const { return listing_; }

public slots:
    void showReport();

protected:
    void nameChosen(const QString& name) override;
    void restarted() override;

private:
    QCheckBox* allSheets_;
    QPushButton* show_;
    QProgressBar* bar_;
    FillWait* wait_;
    customerviews::Listing listing_;
};
