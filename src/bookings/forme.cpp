#include "bookings/NotaPrenot.h"
#include "bookings/prenotazione.h"
#include "program/forme.h"

namespace ga {

void registra_forme_bookings(App& app) {
    registra<prenotazione>(app);
    registra<NotaPrenot>(app);
}

}  // namespace ga
