#include "settlement/saldoaff.h"

namespace ga {

saldoaff::saldoaff(App& app) : Forma(app, kName) {
    design("SALDO PRENOTAZIONE", px(800), px(600));
    crea_famiglia<plat::TextBox>("Text", 1, 20);
    crea_famiglia<plat::CheckBox>("Check", 1, 3);
}

}  // namespace ga
