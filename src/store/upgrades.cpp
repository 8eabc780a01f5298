#include "store/database.h"
#include "store/schema.h"

namespace schema {

QStringList upgradeOldLayout(Database&) { return {}; }

void upgradeRef(Database&) {}

} // namespace schema
