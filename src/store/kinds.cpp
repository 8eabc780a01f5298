#include "store/kinds.h"

namespace {
const std::array<KindInfo, kKindCount> kInfos = {{
    {Kind::h3, "h3", 'h', 1, 3, "3ตัวบน"},
    {Kind::t3, "t3", 't', 1, 3, "3ตัวโต๊ด"},
    {Kind::l3, "l3", 'l', 1, 3, "3ตัวล่าง"},
    {Kind::h2, "h2", 'h', 2, 2, "2ตัวบน"},
    {Kind::t2, "t2", 't', 2, 2, "คู่โต๊ด"},
    {Kind::l2, "l2", 'l', 2, 2, "2ตัวล่าง"},
    {Kind::h1, "h1", 'h', 3, 1, "วิ่งบน"},
    {Kind::l1, "l1", 'l', 3, 1, "วิ่งล่าง"},
    {Kind::h4, "h4", 'h', 4, 4, "กลุ่ม4ตัว"},
    {Kind::h5, "h5", 'h', 5, 5, "กลุ่ม5ตัว"},
}};
} // namespace

const KindInfo& kindInfo(Kind kind) {
    return kInfos[static_cast<size_t>(kind)];
}

const std::array<Kind, kKindCount>& columnOrder() {
    static const std::array<Kind, kKindCount> order = {Kind::h3, Kind::t3, Kind::l3, Kind::h2,
                                                       Kind::t2, Kind::l2, Kind::h1, Kind::l1,
                                                       Kind::h4, Kind::h5};
    return order;
}

const std::array<Kind, kKindCount>& listingOrder() {
    static const std::array<Kind, kKindCount> order = {Kind::h3, Kind::t3, Kind::l3, Kind::h2,
                                                       Kind::l2, Kind::t2, Kind::h1, Kind::l1,
                                                       Kind::h4, Kind::h5};
    return order;
}

bool kindFromCode(const QString& code, Kind* out) {
    for (const KindInfo& info : kInfos) {
        if (code == QLatin1String(info.code)) {
            *out = info.kind;
            return true;
        }
    }
    return false;
}

QString kindCode(Kind kind) {
    return QString::fromLatin1(kindInfo(kind).code);
}

QString stakeColumn(Kind kind) {
    return QString(QLatin1Char(kindInfo(kind).stakeColumn));
}
