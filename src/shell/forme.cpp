#include "program/forme.h"
#include "shell/CERCA_CART.h"
#include "shell/MENU.h"
#include "shell/PersonalizzaAgenzia.h"
#include "shell/zeltra.h"

namespace ga {

void registra_forme_shell(App& app) {
    registra<zeltra>(app);
    registra<MENU>(app);
    registra<PersonalizzaAgenzia>(app);
    registra<CERCA_CART>(app);
}

}  // namespace ga
