#include "records/salvataggio.h"

#include <filesystem>
#include <set>

namespace ga {

namespace {

constexpr const char* kTitoloErrore = "AVVISO ERRORE";
// The work at hand was made from the files as a save of before had left
// them: not written, to be done again.
constexpr const char* kNonFatta = "QUESTA OPERAZIONE NON E' STATA FATTA: RIPETERLA.";
constexpr const char* kNonRegistrate = "LE MODIFICHE NON SONO STATE REGISTRATE.";

// What keeps a save of before from being finished in `cartella`, told to
// the user: until it is mended nothing may be saved.
void non_completabile(App& app, const std::string& cartella, plat::Recovery esito,
                      const std::string& file) {
    std::string testo;
    switch (esito) {
        case plat::Recovery::blocked:
            testo = "NELLA CARTELLA " + cartella + " C'E' " + file +
                    ", CHE NON E' UN FILE: IL PROGRAMMA USA QUEL NOME PER COMPLETARE I "
                    "SALVATAGGI.\rNESSUNA NUOVA REGISTRAZIONE E' POSSIBILE FINCHE' C'E': "
                    "SPOSTARLO O RINOMINARLO E RIPROVARE.";
            break;
        case plat::Recovery::foreign:
            testo = "UN SALVATAGGIO INTERROTTO NELLA CARTELLA " + cartella +
                    " E' STATO FATTO DA UNA VERSIONE PIU' RECENTE DEL PROGRAMMA: SOLO QUELLA "
                    "PUO' COMPLETARLO (" +
                    file +
                    ").\rNESSUNA NUOVA REGISTRAZIONE E' POSSIBILE CON QUESTA VERSIONE: "
                    "AVVIARE LA VERSIONE PIU' RECENTE.";
            break;
        default:
            testo = "UN SALVATAGGIO INTERROTTO NELLA CARTELLA " + cartella +
                    " NON PUO' ESSERE COMPLETATO: IMPOSSIBILE SCRIVERE IL FILE " + file +
                    " (FILE NON SCRIVIBILE O DISCO PIENO).\r"
                    "NESSUNA NUOVA REGISTRAZIONE E' POSSIBILE FINCHE' NON E' COMPLETATO: "
                    "ELIMINARE LA CAUSA E RIPROVARE.";
    }
    app.msgbox(testo, plat::Buttons::Ok, kTitoloErrore, plat::Icon::Critical);
}

// The tables of a save that was not written go back to what the files hold.
// A loader makes a missing register as an empty file: the reload leaves no
// file in the save's folders that was not there before it.
void ricarica(App& app, const std::vector<std::string>& percorsi) {
    namespace fs = std::filesystem;
    std::set<fs::path> cartelle, prima;
    for (const std::string& p : percorsi) cartelle.insert(fs::path(p).parent_path());
    auto file_di = [&](const fs::path& cartella, const auto& fai) {
        std::error_code ec;
        for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec))
            fai(it->path());
    };
    for (const fs::path& c : cartelle) file_di(c, [&](const fs::path& p) { prima.insert(p); });
    app.ricarica_registri(percorsi);
    std::vector<fs::path> nuovi;
    for (const fs::path& c : cartelle)
        file_di(c, [&](const fs::path& p) {
            std::error_code ec;
            // A lock file stays: another program may hold it.
            if (!prima.contains(p) && !plat::is_program_work_file(p.filename().string()) &&
                fs::is_regular_file(p, ec) && fs::file_size(p, ec) == 0 && !ec)
                nuovi.push_back(p);
        });
    for (const fs::path& p : nuovi) {
        std::error_code ec;
        fs::remove(p, ec);
    }
}

constexpr const char* kCopiaConsigliata =
    "E' CONSIGLIABILE FARE SUBITO UNA COPIA DELLA CARTELLA DEI DATI.";

}  // namespace

bool esito_scrittura(App& app, const std::string& percorso, plat::Outcome esito,
                     const std::string& non_fatto) {
    switch (esito) {
        case plat::Outcome::written: return true;
        case plat::Outcome::not_written:
            app.msgbox("IMPOSSIBILE SCRIVERE IL FILE " + percorso + "\r" + non_fatto,
                       plat::Buttons::Ok, kTitoloErrore, plat::Icon::Critical);
            return false;
        case plat::Outcome::written_unsynced:
            app.msgbox("IL FILE " + percorso +
                           " E' STATO REGISTRATO, MA IL DISCO HA SEGNALATO UN ERRORE.\r"
                           "NON RIPETERE L'OPERAZIONE. " +
                           kCopiaConsigliata,
                       plat::Buttons::Ok, kTitoloErrore, plat::Icon::Exclamation);
            return true;
        case plat::Outcome::unknown: break;
    }
    app.msgbox("IL DISCO HA SEGNALATO UN ERRORE: NON SI PUO' SAPERE SE IL FILE " + percorso +
                   " E' STATO REGISTRATO.\rIL PROGRAMMA LO RILEGGE: CONTROLLARE I DATI PRIMA DI "
                   "RIPETERE L'OPERAZIONE. " +
                   kCopiaConsigliata,
               plat::Buttons::Ok, kTitoloErrore, plat::Icon::Critical);
    app.da_rileggere.push_back(percorso);
    app.ricarica_registri({percorso});
    return false;
}

Salvataggio::Salvataggio(App& app) : app_(app) {
    if (plat::SaveUnit::open_unit()) return;
    // A save of before still to finish goes first; this operation was made
    // from what the files held before it, and is refused.
    rifiutato_ = !salvataggi_completati(app_);
    unita_ = std::make_unique<plat::SaveUnit>();
}

Salvataggio::~Salvataggio() {
    if (!unita_ || plat::SaveUnit::open_unit() != unita_.get()) return;
    const std::vector<std::string> percorsi = unita_->paths();
    unita_.reset();
    // What the operation changed in memory goes back to what the files hold;
    // not when the program is ending, nor by an exception of its own here.
    if (app_.ended()) return;
    try {
        ricarica(app_, percorsi);
    } catch (...) {}
}

bool Salvataggio::conferma() {
    if (!unita_) return true;
    const std::vector<std::string> percorsi = unita_->paths();
    auto non_scritto = [&] {
        unita_.reset();
        ricarica(app_, percorsi);
        return false;
    };
    if (rifiutato_ || !salvataggi_completati(app_)) return non_scritto();

    std::string mancato;
    switch (unita_->commit(&mancato)) {
        case plat::SaveUnit::Result::done:
            // Its record could not be removed: the next write removes it.
            if (unita_->record_left()) app_.salvataggio_da_completare = unita_->record_folder();
            return true;
        case plat::SaveUnit::Result::not_written:
            esito_scrittura(app_, mancato, plat::Outcome::not_written, kNonRegistrate);
            return non_scritto();
        case plat::SaveUnit::Result::unsynced:
            return esito_scrittura(app_, mancato, plat::Outcome::written_unsynced, "");
        case plat::SaveUnit::Result::unknown:
            unita_.reset();
            return esito_scrittura(app_, mancato, plat::Outcome::unknown, "");
        case plat::SaveUnit::Result::earlier_save:
            // Another program sharing the folder left it: finished (or told)
            // now, and this operation is done again on what it leaves.
            app_.salvataggio_da_completare = unita_->record_folder();
            // Finished meanwhile by the program that left it: still told.
            if (salvataggi_completati(app_))
                app_.msgbox(kNonFatta, plat::Buttons::Ok, kTitoloErrore, plat::Icon::Exclamation);
            return non_scritto();
        case plat::SaveUnit::Result::to_complete: break;
    }
    app_.salvataggio_da_completare = unita_->record_folder();
    app_.msgbox("LA REGISTRAZIONE E' FATTA, MA IL FILE " + mancato +
                    " NON E' ANCORA AGGIORNATO: SARA' COMPLETATO ALLA PROSSIMA REGISTRAZIONE "
                    "O AL PROSSIMO AVVIO DEL PROGRAMMA.\rNON RIPETERE L'OPERAZIONE.",
                plat::Buttons::Ok, kTitoloErrore, plat::Icon::Exclamation);
    return true;
}

bool Salvataggio::copia(const std::string& percorso, const std::string& origine, bool scrivibile) {
    plat::SaveUnit* unita = plat::SaveUnit::open_unit();
    return unita && unita->copy_from(percorso, origine, scrivibile);
}

void completa_salvataggio_interrotto(App& app, const std::string& cartella) {
    if (cartella.empty()) return;
    std::string mancato;
    const plat::Recovery esito = plat::complete_interrupted_save(cartella, &mancato);
    // Only what no record names: a save left to finish keeps its files.
    plat::remove_leftover_temporaries(cartella);
    switch (esito) {
        case plat::Recovery::none:
        case plat::Recovery::discarded: return;
        case plat::Recovery::completed:
            app.msgbox(
                "UN SALVATAGGIO INTERROTTO (PROGRAMMA O COMPUTER SPENTO DURANTE LA "
                "REGISTRAZIONE) E' STATO COMPLETATO ORA.\r"
                "I FILE DELLA CARTELLA " +
                    cartella +
                    " SONO DI NUOVO COERENTI: L'ULTIMA OPERAZIONE E' REGISTRATA, NON VA "
                    "RIPETUTA.",
                plat::Buttons::Ok, "SALVATAGGIO COMPLETATO", plat::Icon::Information);
            return;
        case plat::Recovery::cleared:
            // Every file was already written; the user may not have been
            // told so (a crash just before the end).
            app.msgbox("L'ULTIMO SALVATAGGIO NELLA CARTELLA " + cartella +
                           " ERA GIA' COMPLETO: I FILE SONO COERENTI, L'ULTIMA OPERAZIONE E' "
                           "REGISTRATA, NON VA RIPETUTA.",
                       plat::Buttons::Ok, "SALVATAGGIO COMPLETATO", plat::Icon::Information);
            return;
        default:
            app.salvataggio_da_completare = cartella;
            non_completabile(app, cartella, esito, mancato);
    }
}

bool salvataggi_completati(App& app) {
    if (!app.da_rileggere.empty()) {
        const std::vector<std::string> registri = std::move(app.da_rileggere);
        app.da_rileggere.clear();
        app.ricarica_registri(registri);
    }
    if (app.salvataggio_da_completare.empty()) return true;
    const std::string cartella = app.salvataggio_da_completare;
    std::string mancato;
    std::vector<std::string> registri;
    const plat::Recovery esito = plat::complete_interrupted_save(cartella, &mancato, &registri);
    switch (esito) {
        case plat::Recovery::none:
        case plat::Recovery::discarded:
        // Every rename was done already: the tables hold what the files do.
        case plat::Recovery::cleared: app.salvataggio_da_completare.clear(); return true;
        case plat::Recovery::completed:
            app.salvataggio_da_completare.clear();
            plat::remove_leftover_temporaries(cartella);
            // A table read while the save was left half done may hold what a
            // register held before it: read again, and the work at hand,
            // made from them, is done again by the user.
            app.ricarica_registri(registri);
            app.msgbox("IL SALVATAGGIO RIMASTO IN SOSPESO NELLA CARTELLA " + cartella +
                           " E' STATO COMPLETATO ORA.\r" + kNonFatta,
                       plat::Buttons::Ok, "SALVATAGGIO COMPLETATO", plat::Icon::Information);
            return false;
        default: non_completabile(app, cartella, esito, mancato); return false;
    }
}

}  // namespace ga
