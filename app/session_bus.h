// The desktop's session bus connected on a thread of its own while the main
// thread builds the start window. Qt's accessibility support connects to it
// at the first text a window is given, on the main thread, before the start
// window can be shown: on a desktop that is a connection and a handshake;
// where no bus runs, a try at starting one. Connected here first, Qt finds
// the connection made (the one the whole program shares) and goes on.
#pragma once

#include <thread>

namespace app {

class SessionBusConnect {
public:
    // Made after the application: the bus connection needs one. Its end
    // waits for the connection, made or failed: before the application's.
    SessionBusConnect();

private:
    std::jthread thread_;
};

}  // namespace app
