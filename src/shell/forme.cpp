#include "shell/forme.h"
#include "shell/CERCA_CART.h"
#include "shell/Dest_arch.h"
#include "shell/INFO.h"
#include "shell/MENU.h"
#include "shell/PersonalizzaAgenzia.h"
#include "shell/Rec_arch.h"
#include "shell/Trasferisciper.h"
#include "shell/utilita.h"
#include "shell/zeltra.h"

namespace ga {

void registra_forme_shell(App& app) {
    registra<zeltra>(app);
    registra<MENU>(app);
    registra<PersonalizzaAgenzia>(app);
    registra<CERCA_CART>(app);
    registra<utilita>(app);
    registra<INFO>(app);
    registra<Dest_arch>(app);
    registra<Rec_arch>(app);
    registra<Trasferisciper>(app);
}

}  // namespace ga
