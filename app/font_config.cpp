#include "font_config.h"

#include <fontconfig/fontconfig.h>

namespace app {

// FcInit loads the default configuration Qt's font database uses (an
// atomic pointer in fontconfig: a load that finds it made is a no-op).
FontConfigLoad::FontConfigLoad() : thread_([] { FcInit(); }) {}

void FontConfigLoad::ready() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace app
