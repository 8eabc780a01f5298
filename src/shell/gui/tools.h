#pragma once

#include <QString>

class Desk;
class QWidget;

// The tools of the program folder, started from the menus and the login form.
namespace tools {

// Starts a tool; a missing one is named in Thai. endAfter ends the program once it runs.
bool start(QWidget* parent, Desk& desk, const QString& relativePath, bool endAfter);
// The remote-support program, when it lies in the program folder.
void openTeamViewer(QWidget* parent, const Desk& desk);

} // namespace tools
