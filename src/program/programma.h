// Puts the program together: the application object with every form
// registered under its name. The windows layer and the tests both start here.
#pragma once

#include <memory>

#include "platform/services.h"
#include "records/app.h"

namespace ga {

std::unique_ptr<App> crea_applicazione(plat::Services services);

// The start: shows the start form, whose activation does the start-up.
void avvia(App& app);

}  // namespace ga
