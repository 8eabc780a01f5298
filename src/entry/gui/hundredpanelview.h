#pragma once

#include "entry/hundredpanel.h"

#include <QFrame>
#include <array>

class QTableWidget;

// The stock page's hundred-number panel (Panel7): seven grids side by side (DBGrid12 ...
// DBGrid18), each number with its h2 total, red over the h2 limit, green when watched.
class HundredPanelView : public QFrame {
    Q_OBJECT
public:
    explicit HundredPanelView(QWidget* parent = nullptr);
    void setCells(const QVector<PanelCell>& cells);

private:
    std::array<QTableWidget*, kPanelGrids> grids_{};
};
