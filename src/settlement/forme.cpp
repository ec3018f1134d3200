#include "settlement/forme.h"
#include "platform/number.h"
#include "settlement/RESTCAUZ.h"
#include "settlement/REVOCAPREN.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/menustampa.h"
#include "settlement/prenotazioni_cliente.h"
#include "settlement/saldoaff.h"
#include "settlement/visu_disponib.h"
#include "settlement/visu_prenotazioni.h"

namespace ga {

void registra_forme_settlement(App& app) {
    registra<REVOCAPREN>(app);
    registra<VisuPrenotCliente>(app);
    app.procedure.elenca_prenotazioni_cliente = [](App& a) { elenca_prenotazioni_cliente(a); };
    // The client whose record is in the form's record box, with the
    // client's bookings: for an opener of a lower subsystem that knows it.
    app.procedure.mostra_cliente = [](App& a) {
        VisuPrenotCliente& v = a.form<VisuPrenotCliente>();
        v.mostra_cliente(static_cast<int>(plat::leading_int(v.Text17.text())));
    };
    registra<visu_disponib>(app);
    registra<visu_prenotazioni>(app);
    registra<saldoaff>(app);
    registra<RESTCAUZ>(app);
    registra<menustampa>(app);
}

}  // namespace ga
