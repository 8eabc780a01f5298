#pragma once

#include "shell/gui/tmain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace exchangetest {

template <typename Window> Window* windowOf(Tmain* main) {
    for (QMdiSubWindow* window : main->findChild<QMdiArea*>()->subWindowList()) {
        if (auto* found = qobject_cast<Window*>(window->widget()))
            return found;
    }
    return nullptr;
}

// An item chosen in a chooser, as the clerk picks it.
inline void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void bet(Database& db, const QString& num, Kind kind, double stake, const QString& cus) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, cus, kindCode(kind)});
}

} // namespace exchangetest
