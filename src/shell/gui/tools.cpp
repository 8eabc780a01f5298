#include "shell/gui/tools.h"

#include "common/desk.h"
#include "platform/platform.h"
#include "ui/dialogs.h"

#include <QFileInfo>

namespace tools {

bool start(QWidget* parent, Desk& desk, const QString& relativePath, bool endAfter) {
    const QString path = desk.run().programFolder + relativePath;
    if (!Platform::instance().startProgram(path, {})) {
        Dialogs::warning(parent, QStringLiteral("ไม่พบโปรแกรม ") + QFileInfo(path).fileName() +
                                     QStringLiteral(" ในโฟลเดอร์โปรแกรม"));
        return false;
    }
    if (endAfter)
        desk.endProgram();
    return true;
}

void openTeamViewer(QWidget* parent, const Desk& desk) {
    const QString folder = desk.run().programFolder;
    if (QFileInfo::exists(folder + QStringLiteral("TeamViewerQS.exe"))) {
        Platform::instance().openWithShell(folder);
        return;
    }
    Dialogs::warning(parent, QStringLiteral("ไม่พบโปรแกรม TeamViewerQS.exe ในโฟลเดอร์โปรแกรม "
                                            "และเครื่องนี้Downloadโปรแกรมเองไม่ได้"));
}

} // namespace tools
