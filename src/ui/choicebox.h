#pragma once

class QComboBox;
class QString;
class QWidget;

// A chooser whose box shows a text of its own ("เลือกข้อมูล", "รวม") until an item is chosen;
// typed, a name not among the items can be entered too.
QComboBox* choiceBox(QWidget* parent, const char* name, bool typed);
// Shows text with no item chosen.
void showChoiceText(QComboBox* box, const QString& text);
