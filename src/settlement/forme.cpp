#include "program/forme.h"
#include "settlement/REVOCAPREN.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/visu_disponib.h"

namespace ga {

void registra_forme_settlement(App& app) {
    registra<REVOCAPREN>(app);
    registra<VisuPrenotCliente>(app);
    registra<visu_disponib>(app);
}

}  // namespace ga
