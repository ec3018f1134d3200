#include "apartments/ModPeriodi.h"

namespace ga {

ModPeriodi::ModPeriodi(App& app) : Forma(app, kName) {
    design("PERIODI", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 40);
}

}  // namespace ga
