#include "program/forme.h"
#include "settlement/REVOCAPREN.h"
#include "settlement/RESTCAUZ.h"
#include "settlement/saldoaff.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/visu_disponib.h"

namespace ga {

void registra_forme_settlement(App& app) {
    registra<REVOCAPREN>(app);
    registra<VisuPrenotCliente>(app);
    registra<visu_disponib>(app);
    registra<saldoaff>(app);
    registra<RESTCAUZ>(app);
}

}  // namespace ga
