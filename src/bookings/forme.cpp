#include "bookings/forme.h"
#include "bookings/NotaPrenot.h"
#include "bookings/TROVA_PRENOT.h"
#include "bookings/controlloentruscit.h"
#include "bookings/prenotazione.h"
#include "bookings/scadenze.h"

namespace ga {

void registra_forme_bookings(App& app) {
    registra<prenotazione>(app);
    registra<NotaPrenot>(app);
    registra<TROVA_PRENOT>(app);
    registra<controlloentruscit>(app);
    app.procedure.controlla_prenotazioni_scadute = [](App& a) {
        controlla_prenotazioni_scadute(a);
    };
}

}  // namespace ga
