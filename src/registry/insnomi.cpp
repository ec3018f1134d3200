#include "registry/insnomi.h"

namespace ga {

insnomi::insnomi(App& app) : Forma(app, kName) {
    design("CLIENTI", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 11);
    crea<plat::ListBox>("List1");
}

}  // namespace ga
