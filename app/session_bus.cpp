#include "session_bus.h"

#include <QDBusConnection>

namespace app {

SessionBusConnect::SessionBusConnect() : thread_([] { QDBusConnection::sessionBus(); }) {}

}  // namespace app
