#pragma once

#include <QWidget>

class Desk;
class QLineEdit;
class QRadioButton;

// "serversetup": this computer made the server or a station of the server computer named in
// Edit1. Saving ends the program; the new role is taken up at the next start.
class Tsetip : public QWidget {
    Q_OBJECT
public:
    explicit Tsetip(Desk& desk);

public slots:
    void save();

private:
    Desk& desk_;
    QLineEdit* name_;
    QRadioButton* server_;
    QRadioButton* lan_;
};
