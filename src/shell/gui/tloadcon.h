#pragma once

#include <QWidget>

class QLineEdit;
class QProgressBar;
class Tmain;

// Loads the settings, customers and rates of another database of this program.
class Tloadcon : public QWidget {
    Q_OBJECT
public:
    explicit Tloadcon(Tmain* main);

public slots:
    void choose();

private:
    Tmain* main_;
    QLineEdit* path_;
    QProgressBar* g1_;
};
