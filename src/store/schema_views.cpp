#include "store/schema.h"

namespace schema {

QVector<ObjectDef> viewDefs() { return {}; }

} // namespace schema
