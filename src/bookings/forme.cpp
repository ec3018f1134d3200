#include "bookings/prenotazione.h"
#include "program/forme.h"

namespace ga {

void registra_forme_bookings(App& app) { registra<prenotazione>(app); }

}  // namespace ga
