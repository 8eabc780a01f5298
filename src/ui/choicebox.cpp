#include "ui/choicebox.h"

#include <QComboBox>
#include <QLineEdit>

QComboBox* choiceBox(QWidget* parent, const char* name, bool typed) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setReadOnly(!typed);
    return box;
}

void showChoiceText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(-1);
    box->setEditText(text);
}
