#pragma once

#include "reports/customerviews.h"

#include <QWidget>
#include <memory>

class Database;
class Desk;
class FillWait;
class QComboBox;
class QProgressBar;
class QPushButton;

// Everybody's stakes by number: from all entered lines or from the remaining totals, for all
// numbers or one group, held from the choice until they are shown.
class Tallinput : public QWidget {
    Q_OBJECT
public:
    Tallinput(Desk& desk, customerviews::Source source);
    ~Tallinput() override;

    QComboBox* chooser() const { return chooser_; }
    FillWait* wait() const { return wait_; }
    const customerviews::Listing& listing() const { return listing_; }

public slots:
    void choose(int group);
    void showReport();

private:
    Desk& desk_;
    std::unique_ptr<Database> db_;
    customerviews::Source source_;
    QComboBox* chooser_;
    QPushButton* show_;
    QProgressBar* bar_;
    FillWait* wait_;
    customerviews::Listing listing_;
};
