#include "settlement/REVOCAPREN.h"

namespace ga {

REVOCAPREN::REVOCAPREN(App& app) : Forma(app, kName) {
    design("REVOCA PRENOTAZIONE", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 12);
    crea<plat::CommandButton>("Command1");
}

}  // namespace ga
