#include "accounts/fattura.h"

namespace ga {

fattura::fattura(App& app) : Forma(app, kName) {
    design("FATTURA", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 16);
    crea_famiglia<plat::CheckBox>("Check", 1, 5);
    crea<plat::ListBox>("List1");
    crea<plat::Label>("Label16");
}

}  // namespace ga
