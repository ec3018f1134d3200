#include "accounts/SaldoProprietario.h"

namespace ga {

SaldoProprietario::SaldoProprietario(App& app) : Forma(app, kName) {
    design("SALDO PROPRIETARIO", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 8);
    crea<plat::ComboBox>("Combo1");
    crea<plat::DatePicker>("DTPicker1");
    crea<plat::CheckBox>("Check2");
}

}  // namespace ga
