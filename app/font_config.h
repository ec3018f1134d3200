// The font configuration loaded on a thread of its own while the main
// thread makes the application. Qt loads it (fontconfig reads its dozens of
// configuration files and its font caches) at the first text a window lays
// out, which the start window does before it can be shown; making the
// application meanwhile waits mostly on the window system, so the load
// costs the start nothing there. Qt then finds the configuration loaded:
// the same fonts, chosen the same way.
#pragma once

#include <thread>

namespace app {

class FontConfigLoad {
public:
    FontConfigLoad();
    ~FontConfigLoad() { ready(); }
    FontConfigLoad(const FontConfigLoad&) = delete;
    FontConfigLoad& operator=(const FontConfigLoad&) = delete;

    // Waits for the load: called before the first window is made, so that
    // Qt never starts a second load of its own beside it.
    void ready();

private:
    std::thread thread_;
};

}  // namespace app
