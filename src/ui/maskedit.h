#pragma once

#include <QLineEdit>

// A password box that shows the given character for every typed one.
QLineEdit* newMaskedEdit(QChar mask, QWidget* parent);
