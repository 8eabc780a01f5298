#pragma once

#include <QWidget>

class Desk;
class QLineEdit;

// Changes the login password: the old one must match the stored form.
class Tchangepass : public QWidget {
    Q_OBJECT
public:
    explicit Tchangepass(Desk& desk);

public slots:
    void change();

private:
    Desk& desk_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
};
