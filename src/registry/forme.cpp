#include "registry/forme.h"
#include "registry/COORDBANCA.h"
#include "registry/PROPRIETARI.h"
#include "registry/insnomi.h"

namespace ga {

void registra_forme_registry(App& app) {
    registra<PROPRIETARI>(app);
    registra<insnomi>(app);
    registra<COORDBANCA>(app);
}

}  // namespace ga
