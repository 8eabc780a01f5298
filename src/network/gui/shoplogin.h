#pragma once

#include "store/database.h"

#include <QString>
#include <optional>

class QWidget;

// Reaching the shop's book on the server computer from this one.
namespace shoplogin {

// Tries the shop's book on computer (a name or an address, a port after a colon): connects,
// writes a test row and removes it. A refused login asks for the shop's password once, keeps
// it for the client library and tries again. Nothing when it worked, else what refused it.
std::optional<StoreError> reach(QWidget* parent, const QString& computer);

} // namespace shoplogin
