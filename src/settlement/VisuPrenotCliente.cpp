#include "settlement/VisuPrenotCliente.h"

namespace ga {

VisuPrenotCliente::VisuPrenotCliente(App& app) : Forma(app, kName) {
    design("PRENOTAZIONI CLIENTE", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 17);
    crea<plat::ListBox>("List1");
    crea<plat::CommandButton>("AVANTI");
    crea<plat::CommandButton>("RETRO");
}

}  // namespace ga
