#include "records/percorsi.h"

#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {
constexpr std::string_view kFinePuntatore = ",$$";
}

void imposta_percorsi_programma(App& app) {
    Stato& s = app.s;
    s.cartella_programma = app.testo("zeltra", "Text17");
    s.cartella_stampe = s.cartella_programma + "stampe/";
    s.percorso_agenzia = s.cartella_programma + "AGENZIA.IND";
    s.percorso_banche = s.cartella_programma + "BANCHE.IND";
    s.percorso_comuni = s.cartella_programma + "cittaita.ind";
    s.canale_file = canale_libero();
}

void imposta_percorsi_dati(App& app) {
    Stato& s = app.s;
    s.cartella_dati = app.testo("MENU", "Text1");
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
}

void leggi_cartella_dati(App& app) {
    Stato& s = app.s;
    s.percorso_cartella_txt = s.cartella_programma + "cartella.txt";
    s.canale_file = canale_libero();
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
    if (!cartella.empty()) app.imposta("MENU", "Text1", cartella);
}

void scrivi_cartella_dati(App& app) {
    Stato& s = app.s;
    s.percorso_cartella_txt = s.cartella_programma + "cartella.txt";
    s.canale_file = canale_libero();
    scrivi_registro(app, s.percorso_cartella_txt,
                    {app.testo("MENU", "Text1") + std::string(kFinePuntatore)});
}

}  // namespace ga
