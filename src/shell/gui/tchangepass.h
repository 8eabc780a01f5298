#pragma once

#include <QWidget>

class QLineEdit;
class Tmain;

// Changes the login password: the old one must match the stored form.
class Tchangepass : public QWidget {
    Q_OBJECT
public:
    explicit Tchangepass(Tmain* main);

public slots:
    void change();

private:
    Tmain* main_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
};
