#pragma once

class QWidget;

// Closes a window and, when it sits in the main window's frame, the frame around it, so no
// empty frame stays behind.
void closeWithFrame(QWidget* window);
