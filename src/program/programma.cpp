#include "program/programma.h"

#include "accounts/archivio_spese.h"
#include "accounts/conto_corrente.h"
#include "platform/large_memory.h"
#include "program/forme.h"
#include "records/agenzia.h"
#include "records/appartamenti.h"
#include "records/banche.h"
#include "records/clienti.h"
#include "records/fatture.h"
#include "records/movimenti.h"
#include "records/note.h"
#include "records/periodi.h"
#include "records/prenotazioni.h"
#include "records/proprietari.h"
#include "records/vie.h"

namespace ga {

std::unique_ptr<App> crea_applicazione(plat::Services services) {
    plat::keep_freed_memory();
    auto app = std::make_unique<App>(std::move(services));
    registra_forme_shell(*app);
    registra_forme_registry(*app);
    registra_forme_apartments(*app);
    registra_forme_bookings(*app);
    registra_forme_settlement(*app);
    registra_forme_accounts(*app);

    // Every register's loader: a save not written reads its tables again.
    const std::pair<std::string Stato::*, App::Caricatore> caricatori[] = {
        {&Stato::percorso_vie, carica_vie},
        {&Stato::percorso_proprietari, carica_proprietari},
        {&Stato::percorso_appartamenti, carica_appartamenti},
        {&Stato::percorso_clienti, carica_clienti},
        {&Stato::percorso_fatture, carica_fatture},
        {&Stato::percorso_prenotazioni, carica_prenotazioni},
        {&Stato::percorso_periodi, carica_periodi},
        {&Stato::percorso_note, carica_note},
        {&Stato::percorso_saldi, carica_saldi},
        {&Stato::percorso_spese, carica_spese},
        {&Stato::percorso_contocorr, carica_conto_corrente},
        {&Stato::percorso_agenzia, carica_agenzia},
        {&Stato::percorso_banche, carica_banche},
    };
    for (const auto& [percorso, carica] : caricatori) app->registra_caricatore(percorso, carica);
    return app;
}

void avvia(App& app) {
    app.run([&] { app.form(forme::zeltra).show(); });
}

}  // namespace ga
