#include "session_bus.h"

#include <QDBusConnection>

namespace app {

SessionBusConnect::SessionBusConnect() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusConnect::~SessionBusConnect() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace app
