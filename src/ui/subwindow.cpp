#include "ui/subwindow.h"

#include <QMdiSubWindow>

void closeWithFrame(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}
