#include "apartments/ModPeriodi.h"
#include "apartments/appartament.h"
#include "program/forme.h"

namespace ga {

void registra_forme_apartments(App& app) {
    registra<appartament>(app);
    registra<ModPeriodi>(app);
}

}  // namespace ga
