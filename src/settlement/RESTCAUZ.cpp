#include "settlement/RESTCAUZ.h"

namespace ga {

RESTCAUZ::RESTCAUZ(App& app) : Forma(app, kName) {
    design("RESTITUZIONE CAUZIONE", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 8);
    crea<plat::TextBox>("NOTE");
    crea<plat::Label>("Label12");
    crea<plat::CommandButton>("SALVA");
}

}  // namespace ga
