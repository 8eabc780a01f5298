#include "cutting/numberlimits.h"

#include "common/settings.h"
#include "store/database.h"

bool limitItem(int index, int namingMode, EntryItem* out) {
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
        item = {{Kind::t2}, namingMode == 1 ? 3 : 2, Spread::asTyped};
        item.autoAdvance = namingMode != 2;
        break;
    case 7:
        item = {{Kind::h1}, 1, Spread::asTyped};
        break;
    case 8:
        item = {{Kind::l1}, 1, Spread::asTyped};
        break;
    case 9:
        item = {{Kind::h3}, 3, Spread::set};
        break;
    case 10:
        item = {{Kind::l3}, 3, Spread::set};
        break;
    case 11:
        item = {{Kind::h2, Kind::l2}, 2, Spread::asTyped};
        break;
    case 12:
        item = {{Kind::h2, Kind::l2}, 2, Spread::withReverse};
        break;
    default:
        return false;
    }
    *out = item;
    return true;
}

const QVector<Kind>& limitKinds() {
    static const QVector<Kind> kinds{Kind::h3, Kind::t3, Kind::l3, Kind::h2,
                                     Kind::l2, Kind::t2, Kind::h1, Kind::l1};
    return kinds;
}

QString bulkPreset(BulkChoice choice) {
    switch (choice) {
    case BulkChoice::takeAll:
        return QStringLiteral("50000");
    case BulkChoice::ownAmount:
    case BulkChoice::sendAll:
        return QStringLiteral("0");
    case BulkChoice::none:
        break;
    }
    return QString();
}

BulkOutcome bulkFillLimits(Database& db, BulkChoice choice, const BulkRequest& request,
                           const std::function<void(int)>& progress) {
    if (choice == BulkChoice::none) {
        BulkOutcome outcome;
        outcome.message = QStringLiteral("กรุณาเลือกการรับ/ส่ง");
        return outcome;
    }
    return bulkFill(db, NumberList::limits, request, progress);
}

bool setFiftyPercent(Database& db, bool on) {
    writeSwitch(db, Backc::back19, on);
    return SettingsRecord(db).fiftyPercent();
}
