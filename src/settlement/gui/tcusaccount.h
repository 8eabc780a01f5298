#pragma once

#include "settlement/accounts.h"

#include <QWidget>
#include <memory>

class Database;
class Desk;
class QComboBox;
class QProgressBar;
class QTimer;

// The account of one customer: the names of the list with the sheet customers, and once the
// accounts are built (a second after the window shows) the account of each name chosen.
class Tcusaccount : public QWidget {
    Q_OBJECT
public:
    explicit Tcusaccount(Desk& desk);
    ~Tcusaccount() override;

    QComboBox* chooser() const { return chooser_; }
    QTimer* timer() const { return timer_; }
    bool built() const { return built_; }

    // Shows the account of a name as choosing it does.
    void chooseName(const QString& name);

public slots:
    // A second after showing: the accounts are built and the chooser takes a name.
    void build();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Desk& desk_;
    std::unique_ptr<Database> db_;
    QComboBox* chooser_;
    QProgressBar* bar_;
    QTimer* timer_;
    QVector<accounts::Account> accounts_;
    bool built_ = false;
};
