#include "registry/PROPRIETARI.h"

namespace ga {

PROPRIETARI::PROPRIETARI(App& app) : Forma(app, kName) {
    design("PROPRIETARI", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 11);
    crea<plat::OptionButton>("Option1");
    crea<plat::OptionButton>("Option2");
    crea<plat::ListBox>("List1");
}

}  // namespace ga
