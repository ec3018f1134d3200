#include "apartments/appartament.h"

namespace ga {

appartament::appartament(App& app) : Forma(app, kName) {
    design("APPARTAMENTI", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 46);
    crea_famiglia<plat::OptionButton>("Option", 1, 4);
    crea<plat::ComboBox>("Combo2");
    crea_famiglia<plat::CheckBox>("Check", 1, 16);
    crea_famiglia<plat::DatePicker>("DTPICKER", 1, 32);
    crea_famiglia<plat::TextBox>("prez", 10, 25);
    crea_famiglia<plat::TextBox>("situ", 28, 43);
}

}  // namespace ga
