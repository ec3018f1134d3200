#include "records/percorsi.h"

#include "platform/folder_lock.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/cartelle_in_uso.h"
#include "records/caselle.h"
#include "records/salvataggio.h"

namespace ga {

namespace {

constexpr std::string_view kFinePuntatore = ",$$";

// A folder text ends in its separator: every path is the folder's text with
// the file's name after it, so a folder named without its closing "/" (a
// hand edit, a copy from an older machine) would put the registers beside
// the folder, in files named after it.
std::string come_cartella(std::string cartella) {
    if (!cartella.empty() && cartella.back() != '/') cartella += '/';
    return cartella;
}

// Two programs writing one data folder lose records: each rewrites a
// register from its own table. The first to use a folder holds it until it
// ends or moves to another folder; a second one is told and ends.
void blocca_cartella_dati(App& app) {
    const std::string& cartella = app.s.cartella_dati;
    if (cartella == app.cartella_bloccata) return;
    app.blocco_dati.release();
    app.cartella_bloccata = cartella;
    // A folder that is not there is told by the owners load; one that cannot
    // hold a lock file cannot be written either.
    if (cartella.empty() || !plat::folder_exists(cartella)) return;
    // The program folder taken as data folder is held already.
    if (app.blocco_programma.covers(cartella)) return;
    const auto preso = app.blocco_dati.take(cartella, titolare(app));
    // The folder is ours alone from here: a save cut short there is
    // finished before any of its registers is read.
    if (preso == plat::FolderLock::Result::taken) completa_salvataggio_interrotto(app, cartella);
    if (preso == plat::FolderLock::Result::taken) return;
    app.cartella_bloccata.clear();
    if (preso == plat::FolderLock::Result::unusable) {
        // Without the lock no save cut short there may be finished, and the
        // registers may be half old, half new: nothing is shown or written.
        app.s.risposta = app.msgbox(
            "IMPOSSIBILE APRIRE IL FILE " + cartella + std::string(plat::kLockFileName) +
                " (CARTELLA NON SCRIVIBILE O DISCO IN ERRORE): I DATI DELLA CARTELLA " + cartella +
                " NON POSSONO ESSERE USATI.\r"
                "         ELIMINARE LA CAUSA E RIPROVARE  \r"
                "              -IL PROGRAMMA SARA' CHIUSO- ",
            plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Critical);
        app.end_program();
    }

    app.s.risposta = app.msgbox(avviso_cartella_aperta(cartella, app.blocco_dati.holder()) +
                                    "\r              -IL PROGRAMMA SARA' CHIUSO- ",
                                plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Critical);
    app.end_program();
}

}  // namespace

void imposta_percorsi_programma(App& app) {
    Stato& s = app.s;
    s.cartella_programma = app.testo(kCartellaProgramma);
    s.cartella_stampe = s.cartella_programma + "stampe/";
    s.percorso_agenzia = s.cartella_programma + "AGENZIA.IND";
    s.percorso_banche = s.cartella_programma + "BANCHE.IND";
    s.percorso_comuni = s.cartella_programma + "cittaita.ind";
    // The folder is held by one program at a time, and the agency's
    // settings may have been cut short by a crash: finished once per
    // folder, before they are read.
    if (s.cartella_programma != app.cartella_programma_controllata) {
        app.cartella_programma_controllata = s.cartella_programma;
        blocca_cartella_programma(app);
        completa_salvataggio_interrotto(app, s.cartella_programma);
    }
}

void imposta_percorsi_dati(App& app) {
    Stato& s = app.s;
    s.cartella_dati = come_cartella(app.testo(kCartellaDati));
    if (app.testo(kCartellaDati) != s.cartella_dati) app.imposta(kCartellaDati, s.cartella_dati);
    const std::string& d = s.cartella_dati;
    const std::string& y = s.anno_gestione;
    s.percorso_proprietari = d + "proprietari.IND";
    s.percorso_appartamenti = d + "appartamenti.ind";
    s.percorso_clienti = d + "clienti.dat";
    s.percorso_vie = d + "Vie.dat";
    s.percorso_periodi = d + "periodi" + y + ".ind";
    s.percorso_prenotazioni = d + "prenotazioni" + y + ".dat";
    s.percorso_note = d + "noteaff" + y + ".dat";
    s.percorso_saldi = d + "saldi" + y + ".dat";
    s.percorso_spese = d + "spese" + y + ".dat";
    s.percorso_fatture = d + "fatture" + y + ".dat";
    s.percorso_contocorr = d + "ContoCorr" + s.conto_corrente + y + ".dat";
    blocca_cartella_dati(app);
}

void leggi_cartella_dati(App& app) {
    Stato& s = app.s;
    s.percorso_cartella_txt = s.cartella_programma + "cartella.txt";
    std::string cartella;
    if (auto righe = leggi_righe(s.percorso_cartella_txt)) {
        for (const std::string& riga : *righe) {
            // The line is "folder,$$". A folder whose name holds a comma is
            // read back whole: everything before the closing ",$$".
            if (plat::length(riga) >= 3 && riga.ends_with(kFinePuntatore))
                cartella = riga.substr(0, riga.size() - kFinePuntatore.size());
            else
                cartella = plat::split(riga, ",")[0];
        }
    }
    if (cartella.empty()) return;
    // Read without its closing "/", the folder is written back with it.
    if (come_cartella(cartella) != cartella) {
        cartella = come_cartella(cartella);
        scrivi_registro(app, s.percorso_cartella_txt, {cartella + std::string(kFinePuntatore)});
    }
    app.imposta(kCartellaDati, cartella);
}

void scrivi_cartella_dati(App& app) {
    Stato& s = app.s;
    s.percorso_cartella_txt = s.cartella_programma + "cartella.txt";
    scrivi_registro(app, s.percorso_cartella_txt,
                    {app.testo(kCartellaDati) + std::string(kFinePuntatore)});
}

}  // namespace ga
