#include "records/cartelle_in_uso.h"

#include "platform/text.h"

namespace ga {

std::string titolare(App& app) { return plat::host_name() + "," + app.user_name(); }

std::string avviso_cartella_aperta(const std::string& cartella, const std::string& chi) {
    const auto parti = plat::split(chi, ",");
    const std::string computer = plat::trim(parti[0]);
    const std::string utente = parti.size() > 1 ? plat::trim(parti[1]) : std::string();
    return "ATTENZIONE I DATI DELLA CARTELLA " + cartella +
           " SONO GIA' APERTI DA UN ALTRO PROGRAMMA\r"
           "         COMPUTER: " +
           (computer.empty() ? "?" : computer) + "   UTENTE: " + (utente.empty() ? "?" : utente) +
           "\r"
           "         CHIUDERE L'ALTRO PROGRAMMA E RIPROVARE  ";
}

bool cartella_tenuta(App& app, const std::string& cartella) {
    return app.blocco_programma.covers(cartella) || app.blocco_dati.covers(cartella);
}

void blocca_cartella_programma(App& app) {
    const std::string& cartella = app.s.cartella_programma;
    app.blocco_programma.release();
    // A data folder that is the program folder too is held once, by its
    // data lock; a folder that takes no lock file cannot be written either.
    if (cartella.empty() || app.blocco_dati.covers(cartella)) return;
    if (app.blocco_programma.take(cartella, titolare(app)) != plat::FolderLock::Result::held)
        return;
    app.s.risposta = app.msgbox(avviso_cartella_aperta(cartella, app.blocco_programma.holder()) +
                                    "\r              -IL PROGRAMMA SARA' CHIUSO- ",
                                plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Critical);
    app.end_program();
}

}  // namespace ga
