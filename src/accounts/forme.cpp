#include "accounts/SaldoProprietario.h"
#include "accounts/fattura.h"
#include "accounts/spese.h"
#include "program/forme.h"

namespace ga {

void registra_forme_accounts(App& app) {
    registra<fattura>(app);
    registra<spese>(app);
    registra<SaldoProprietario>(app);
}

}  // namespace ga
