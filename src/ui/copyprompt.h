#pragma once

#include "common/copyjob.h"

#include <QString>

class Desk;
class QWidget;

// Whether a bulk change goes on after the copy taken before it: yes when it was written; no
// when the book is damaged (the desk says so); otherwise the clerk is asked, with action the
// words of the change ("ตัดยอด", "ลบข้อมูล" ...).
bool goOnAfterCopy(Desk& desk, QWidget* parent, const CopyResult& copy, const QString& action);
