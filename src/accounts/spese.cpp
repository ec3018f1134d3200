#include "accounts/spese.h"

namespace ga {

spese::spese(App& app) : Forma(app, kName) {
    design("SPESE", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 10);
    crea<plat::CheckBox>("Check2");
    crea<plat::DatePicker>("DTPicker1");
}

}  // namespace ga
