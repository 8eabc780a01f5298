#pragma once

class Desk;
class QWidget;

namespace maintenancecommands {

// "ถ่ายโอนข้อมูลสำรองไปที่ข้อมูลประมวลผล": after the question, the book is made again from the
// entered lines, and every window hears of it.
void rebuildFromEntered(Desk& desk, QWidget* parent);

} // namespace maintenancecommands
