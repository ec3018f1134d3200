#include "apartments/forme.h"
#include "apartments/ModPeriodi.h"
#include "apartments/appartament.h"

namespace ga {

void registra_forme_apartments(App& app) {
    registra<appartament>(app);
    registra<ModPeriodi>(app);
}

}  // namespace ga
