#include "settlement/visu_disponib.h"

namespace ga {

visu_disponib::visu_disponib(App& app) : Forma(app, kName) {
    design("DISPONIBILITA'", px(800), px(600));
    crea<plat::ListBox>("List1");
}

}  // namespace ga
