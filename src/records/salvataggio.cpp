#include "records/salvataggio.h"

#include <filesystem>
#include <set>

namespace ga {

namespace {

constexpr const char* kTitoloErrore = "AVVISO ERRORE";

void non_completabile(App& app, const std::string& cartella) {
    app.msgbox("UN SALVATAGGIO INTERROTTO NELLA CARTELLA " + cartella +
                   " NON PUO' ESSERE COMPLETATO (FILE NON SCRIVIBILI O DISCO PIENO).\r"
                   "NESSUNA NUOVA REGISTRAZIONE E' POSSIBILE FINCHE' NON E' COMPLETATO: "
                   "ELIMINARE LA CAUSA E RIPROVARE.",
               plat::Buttons::Ok, kTitoloErrore, plat::Icon::Critical);
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
            if (!prima.contains(p) && fs::is_regular_file(p, ec) && fs::file_size(p, ec) == 0 &&
                !ec)
                nuovi.push_back(p);
        });
    for (const fs::path& p : nuovi) {
        std::error_code ec;
        fs::remove(p, ec);
    }
}

}  // namespace

Salvataggio::Salvataggio(App& app) : app_(app) {
    if (!plat::SaveUnit::open_unit()) unita_ = std::make_unique<plat::SaveUnit>();
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
    if (!salvataggi_completati(app_)) return non_scritto();

    std::string mancato;
    const std::string cartella = percorsi.empty() ? std::string() : app_.s.cartella_dati;
    // The record lies beside the files: in the data folder when the save
    // writes there, else in the folder of its first file.
    bool nei_dati = !cartella.empty();
    for (const std::string& p : percorsi) nei_dati = nei_dati && p.starts_with(cartella);
    switch (unita_->commit(nei_dati ? cartella : std::string(), &mancato)) {
        case plat::SaveUnit::Result::done: return true;
        case plat::SaveUnit::Result::not_written:
            app_.msgbox("IMPOSSIBILE SCRIVERE IL FILE " + mancato +
                            "\rLE MODIFICHE NON SONO STATE REGISTRATE.",
                        plat::Buttons::Ok, kTitoloErrore, plat::Icon::Critical);
            return non_scritto();
        case plat::SaveUnit::Result::to_complete: break;
    }
    app_.salvataggio_da_completare =
        nei_dati ? cartella : std::filesystem::path(percorsi.front()).parent_path().string() + "/";
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

void completa_salvataggio_interrotto(App& app, const std::string& cartella, bool bloccata) {
    if (cartella.empty()) return;
    const plat::Recovery esito = plat::complete_interrupted_save(cartella);
    plat::remove_leftover_temporaries(cartella, !bloccata);
    if (esito == plat::Recovery::failed) {
        app.salvataggio_da_completare = cartella;
        non_completabile(app, cartella);
    } else if (esito == plat::Recovery::completed) {
        app.msgbox(
            "UN SALVATAGGIO INTERROTTO (PROGRAMMA O COMPUTER SPENTO DURANTE LA "
            "REGISTRAZIONE) E' STATO COMPLETATO ORA.\r"
            "I FILE DELLA CARTELLA " +
                cartella +
                " SONO DI NUOVO COERENTI: L'ULTIMA OPERAZIONE E' REGISTRATA, NON VA "
                "RIPETUTA.",
            plat::Buttons::Ok, "SALVATAGGIO COMPLETATO", plat::Icon::Information);
    }
}

bool salvataggi_completati(App& app) {
    if (app.salvataggio_da_completare.empty()) return true;
    const std::string cartella = app.salvataggio_da_completare;
    if (plat::complete_interrupted_save(cartella) == plat::Recovery::failed) {
        non_completabile(app, cartella);
        return false;
    }
    app.salvataggio_da_completare.clear();
    return true;
}

}  // namespace ga
