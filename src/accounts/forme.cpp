#include "accounts/forme.h"
#include "accounts/EstrattoContoPropr.h"
#include "accounts/SINTESICONTOPROP.h"
#include "accounts/SaldoProprietario.h"
#include "accounts/VEDISALDI.h"
#include "accounts/fattura.h"
#include "accounts/spese.h"
#include "accounts/stampa_fattura.h"

namespace ga {

void registra_forme_accounts(App& app) {
    registra<fattura>(app);
    registra<VEDISALDI>(app);
    app.procedure.controllaincasso = [](App& a) { controllaincasso(a); };
    app.procedure.stampa_fattura_scelta = [](App& a) { stampa_fattura_scelta(a); };
    registra<spese>(app);
    registra<SaldoProprietario>(app);
    registra<EstrattoContoPropr>(app);
    registra<SINTESICONTOPROP>(app);
}

}  // namespace ga
