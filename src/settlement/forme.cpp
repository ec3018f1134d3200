#include "program/forme.h"
#include "settlement/REVOCAPREN.h"
#include "settlement/RESTCAUZ.h"
#include "settlement/saldoaff.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/prenotazioni_cliente.h"
#include "settlement/menustampa.h"
#include "settlement/visu_disponib.h"
#include "settlement/visu_prenotazioni.h"

namespace ga {

void registra_forme_settlement(App& app) {
    registra<REVOCAPREN>(app);
    registra<VisuPrenotCliente>(app);
    app.registra_procedura("elenca_prenotazioni_cliente", [](App& a) { elenca_prenotazioni_cliente(a); });
    registra<visu_disponib>(app);
    registra<visu_prenotazioni>(app);
    registra<saldoaff>(app);
    registra<RESTCAUZ>(app);
    registra<menustampa>(app);
}

}  // namespace ga
