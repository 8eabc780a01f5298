#include "shell/gui/tools.h"

#include "common/desk.h"
#include "platform/platform.h"
#include "ui/dialogs.h"

#include <QFileInfo>

namespace tools {

bool start(QWidget* parent, Desk& desk, const QString& relativePath, bool endAfter) {
    const QString path = desk.run().programFolder + relativePath;
    if (!Platform::instance().startProgram(path, {})) {
        // The folder is named: an installed program keeps its tools in the user's data folder.
        const QFileInfo tool(path);
        Dialogs::warning(parent, QStringLiteral("ไม่พบโปรแกรม ") + tool.fileName() +
                                     QStringLiteral(" ในโฟลเดอร์ ") + tool.path() +
                                     QLatin1Char('/'));
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
