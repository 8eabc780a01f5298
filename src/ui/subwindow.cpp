#include "ui/subwindow.h"

#include <QMdiSubWindow>

void closeWithFrame(QWidget* window) {
    // The frame may hold the window inside another widget (a past draw's banner).
    for (QWidget* parent = window->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parent)) {
            frame->close();
            return;
        }
        if (parent->isWindow())
            break;
    }
    window->close();
}
