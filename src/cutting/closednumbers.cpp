#include "cutting/closednumbers.h"

#include "common/settings.h"
#include "store/database.h"

bool closedItem(int index, int namingMode, EntryItem* out) {
    EntryItem item;
    switch (index) {
    case 1:
        item = {{Kind::h3}, 3, Spread::asTyped};
        break;
    case 2:
        item = {{Kind::t3}, 3, Spread::tod};
        break;
    case 3:
        item = {{Kind::l3}, 3, Spread::asTyped};
        break;
    case 4:
        item = {{Kind::h2}, 2, Spread::asTyped};
        break;
    case 5:
        item = {{Kind::l2}, 2, Spread::asTyped};
        break;
    case 6:
        item = {{Kind::h3}, 3, Spread::set};
        break;
    case 7:
        item = {{Kind::l3}, 3, Spread::set};
        break;
    case 8:
        item = {{Kind::h2, Kind::l2}, 2, Spread::asTyped};
        break;
    case 9:
        item = {{Kind::h2, Kind::l2}, 2, Spread::withReverse};
        break;
    case 10:
        if (namingMode != 1)
            return false;
        item = {{Kind::t2}, 3, Spread::asTyped};
        break;
    default:
        return false;
    }
    *out = item;
    return true;
}

QVector<Kind> closedKinds(int namingMode) {
    QVector<Kind> kinds{Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::l2};
    if (namingMode == 1)
        kinds << Kind::t2;
    return kinds;
}

bool setClosedWarning(Database& db, bool on) {
    writeSwitch(db, Backc::back23, on);
    return SettingsRecord(db).closedWarning();
}

bool setWatch(Database& db, bool on) {
    writeSwitch(db, Backc::back27, on);
    return SettingsRecord(db).watchNumbers();
}
