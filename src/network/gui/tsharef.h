#pragma once

#include <QWidget>

class Desk;
class QLabel;

// "Restartserver": the shop's book server of this computer opened to the stations of the
// network (and started with the computer), or closed.
class Tsharef : public QWidget {
    Q_OBJECT
public:
    explicit Tsharef(Desk& desk);

public slots:
    void openShare();
    void closeShare();

private:
    Desk& desk_;
    QLabel* place_;
};
