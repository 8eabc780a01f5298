#pragma once

#include <QWidget>

class Desk;
class QLineEdit;
class QProgressBar;

// Loads the settings, customers and rates of another database of this program.
class Tloadcon : public QWidget {
    Q_OBJECT
public:
    explicit Tloadcon(Desk& desk);

public slots:
    void choose();

private:
    Desk& desk_;
    QLineEdit* path_;
    QProgressBar* g1_;
};
