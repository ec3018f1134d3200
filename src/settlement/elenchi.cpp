#include "settlement/elenchi.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti.h"
#include "records/caselle.h"
#include "records/clienti.h"
#include "records/periodi.h"
#include "records/proprietari.h"
#include "records/vie.h"

namespace ga {

namespace {

constexpr std::array<const char*, 13> kMesi = {
    "TUTTI I MESI", "GENNAIO", "FEBBRAIO",  "MARZO",   "APRILE",   "MAGGIO",  "GIUGNO",
    "LUGLIO",       "AGOSTO",  "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};
const DocumentoStampa kDisponibilita{"LA DISPONIBILITA' E' STATA SALVATA",
                                     "LA DISPONIBILITA' NON E' STATA STAMPATA.",
                                     "STAMPA DISPONIBILITA'", "DISPONIBILITA'", true};
const DocumentoStampa kElenco{"L'ELENCO E' STATO SALVATO", "L'ELENCO NON E' STATO STAMPATO.",
                              "STAMPA ELENCHI", "ELENCO", false};

// A count store, kept within its table.
long conteggio(App& app, const Casella& conta, int capacita) {
    return std::clamp<long>(app.conta(conta), 0, capacita);
}

// A text in a column of its own: padded with blanks to the width; one too
// long for it is cut and ends in "…", so that the reader sees it is not whole.
std::string colonna(const std::string& t, int larghezza) {
    if (plat::length(t) <= larghezza) return plat::pad_right(t, larghezza);
    return plat::left(t, larghezza - 1) + "…";
}

// "47921 RIMINI (RN)" in a column: a long town is cut (with its mark)
// before its province, which stays.
std::string localita(const std::string& cap, const std::string& citta, const std::string& provincia,
                     int larghezza) {
    const std::string prov = " (" + provincia + ")";
    const std::string testo = cap + " " + citta;
    if (plat::length(testo + prov) <= larghezza) return testo + prov;
    return colonna(testo, std::max(larghezza - plat::length(prov), 1)) + prov;
}

// Columns of a register's line, two blanks apart.
std::string in_colonne(std::initializer_list<std::pair<std::string, int>> parti) {
    std::string riga;
    for (const auto& [testo, larghezza] : parti)
        riga += (riga.empty() ? "" : "  ") + colonna(testo, larghezza);
    const std::size_t fine = riga.find_last_not_of(' ');
    return fine == std::string::npos ? std::string() : riga.substr(0, fine + 1);
}

// The name of street record `codice` (read as a number); "" when none.
std::string nome_via(App& app, const std::string& codice) {
    const long k = plat::leading_int(codice);
    return k >= 1 && k <= app.s.vie.capacita() ? app.s.vie[static_cast<int>(k)][vie::nome] : "";
}

// The name of the first owner whose code is `codice`, both read as numbers
// (through the owners' index, built by their loader); "" when none.
std::string nome_proprietario(App& app, const std::string& codice) {
    const long n = conteggio(app, kContaProprietari, app.s.proprietari.capacita());
    const int k = app.s.proprietari_per_codice.primo(plat::leading_int(codice), n);
    return k ? app.s.proprietari[k][proprietario::nome] : "";
}

}  // namespace

std::vector<int> periodi_del_mese(Stato& s, std::vector<int> periodi, int mese) {
    if (mese < 1 || mese > 12) return {};
    // The month of the management year; a year that cannot be read leaves
    // each period's own start year to decide.
    const int anno_gestione = plat::leading_int(s.anno_gestione);
    const auto inizio = [&](int i) { return plat::Date::parse(s.periodi[i].dal); };
    std::erase_if(periodi, [&](int i) {
        const auto dal = inizio(i);
        const auto al = plat::Date::parse(s.periodi[i].al);
        if (!dal) return true;
        const int anno = anno_gestione >= 1900 ? anno_gestione : dal->year();
        const plat::Date primo = plat::Date::from_dmy_lenient(1, mese, anno);
        const plat::Date dopo = plat::Date::from_dmy_lenient(1, mese + 1, anno);
        // A period without a night (no end, or an end not after its start)
        // is listed under the month it starts in, as it always was.
        if (!al || !(*dal < *al)) return !(primo <= *dal && *dal < dopo);
        return !(*dal < dopo && primo < *al);
    });
    std::stable_sort(periodi.begin(), periodi.end(),
                     [&](int a, int b) { return *inizio(a) < *inizio(b); });
    return periodi;
}

std::string riga_disponibile(const std::string& numero, const std::string& codice,
                             const std::string& proprietario, const std::string& via,
                             const std::string& dal, const std::string& al,
                             const std::string& prezzo) {
    return " | " + numero + " - " + codice + " - " + colonna(proprietario, 24) + " - " +
           colonna(via, 24) + " - " + dal + " - " + al + " - " + plat::pad_left(prezzo, 8) + " |";
}

Elenco elenco_disponibilita(App& app, int mese) {
    Stato& s = app.s;
    carica_periodi(app);
    carica_appartamenti(app);
    carica_proprietari(app);
    carica_vie(app);
    Elenco e;
    e.titolo = "DISPONIBILITA' - " + s.anno_gestione;
    if (mese >= 1 && mese <= 12)
        e.titolo += " - " + std::string(kMesi[static_cast<std::size_t>(mese)]);
    e.intestazione = riga_disponibile("N. ", "APP.", "PROPRIETARIO", "VIA DELL'APPARTAMENTO",
                                      colonna("DAL", 10), colonna("AL", 10), "AFFITTO");
    e.file_pdf = mese >= 1 && mese <= 12
                     ? "disponibilita_" + plat::pad_code(std::to_string(mese), 2) + ".pdf"
                     : "disponibilita.pdf";
    e.documento = kDisponibilita;
    e.vuoto = "NON E' STATA TROVATA NESSUNA DISPONIBILITA' !! ";

    const long n = conteggio(app, kContaPeriodi, s.periodi.capacita());
    const long appartamenti = conteggio(app, kContaAppartamenti, s.appartamenti.capacita());
    std::vector<int> liberi;
    for (int i = 1; i <= n; ++i)
        if (plat::trim(s.periodi[i].stato) == "LIB") liberi.push_back(i);
    if (mese >= 1) liberi = periodi_del_mese(s, std::move(liberi), mese);
    for (const int i : liberi) {
        const RigaPeriodo& p = s.periodi[i];
        std::string proprietario, via;
        // The period's apartment: the first with its code.
        const long codice = plat::leading_int(p.codice);
        if (const int j = s.appartamenti_per_codice.primo(codice, appartamenti)) {
            const RigaAppartamento& a = s.appartamenti[j];
            proprietario = nome_proprietario(app, a[appartamento::codice_proprietario]);
            via = nome_via(app, a[appartamento::codice_via]);
        }
        e.righe.push_back(riga_disponibile(plat::pad_left(std::to_string(i), 3, '0'), p.codice,
                                           proprietario, via, p.dal, p.al,
                                           plat::format_amount(plat::whole_units(p.prezzo))));
    }
    return e;
}

Elenco elenco_appartamenti(App& app) {
    Stato& s = app.s;
    carica_appartamenti(app);
    carica_proprietari(app);
    carica_vie(app);
    Elenco e;
    e.titolo = "ELENCO DEGLI APPARTAMENTI";
    e.intestazione = in_colonne({{"CODICE", 6},
                                 {"PROPRIETARIO", 24},
                                 {"VIA", 30},
                                 {"N.C.", 6},
                                 {"TIPO", 12},
                                 {"LETTI", 5},
                                 {"GIARDINO", 8},
                                 {"PIANO", 5},
                                 {"PERIODO", 7}});
    e.file_pdf = "elenco_appartamenti.pdf";
    e.documento = kElenco;
    e.vuoto = "NESSUN APPARTAMENTO DA STAMPARE.";
    const long n = conteggio(app, kContaAppartamenti, s.appartamenti.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaAppartamento& a = s.appartamenti[i];
        std::string tipo = plat::trim(a[appartamento::tipo]);
        if (tipo == "MON") tipo = "MONOLOCALE";
        else if (tipo == "BIL")
            tipo = "BILOCALE";
        else if (tipo == "TRI")
            tipo = "TRILOCALE";
        else if (tipo == "QUA")
            tipo = "QUADRILOCALE";
        e.righe.push_back(
            in_colonne({{plat::pad_code(plat::trim(a[appartamento::codice]), 4), 6},
                        {nome_proprietario(app, a[appartamento::codice_proprietario]), 24},
                        {plat::trim(nome_via(app, a[appartamento::codice_via])), 30},
                        {plat::trim(a[appartamento::civico]), 6},
                        {tipo, 12},
                        {plat::trim(a[appartamento::posti_letto]), 5},
                        {plat::trim(a[appartamento::giardino]), 8},
                        {plat::trim(a[appartamento::piano]), 5},
                        {plat::trim(a[appartamento::periodicita]), 7}}));
    }
    return e;
}

Elenco elenco_clienti(App& app) {
    Stato& s = app.s;
    carica_clienti(app);
    Elenco e;
    e.titolo = "ELENCO DEI CLIENTI";
    e.intestazione = in_colonne({{"CODICE", 6},
                                 {"NOMINATIVO", 30},
                                 {"VIA", 30},
                                 {"CITTA'", 34},
                                 {"TELEFONO", 14},
                                 {"CODICE FISCALE", 16}});
    e.file_pdf = "elenco_clienti.pdf";
    e.documento = kElenco;
    e.vuoto = "NESSUN CLIENTE DA STAMPARE.";
    const long n = conteggio(app, kContaClienti, s.clienti.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaCliente& c = s.clienti[i];
        e.righe.push_back(
            in_colonne({{plat::trim(c[cliente::codice]), 6},
                        {plat::trim(c[cliente::nome]), 30},
                        {plat::trim(c[cliente::via]), 30},
                        {localita(plat::trim(c[cliente::cap]), plat::trim(c[cliente::citta]),
                                  plat::trim(c[cliente::provincia]), 34),
                         34},
                        {plat::trim(c[cliente::telefono]), 14},
                        {plat::trim(c[cliente::codice_fiscale]), 16}}));
    }
    return e;
}

Elenco elenco_proprietari(App& app) {
    Stato& s = app.s;
    carica_proprietari(app);
    Elenco e;
    e.titolo = "ELENCO DEI PROPRIETARI";
    e.intestazione = in_colonne({{"CODICE", 6},
                                 {"NOMINATIVO", 30},
                                 {"VIA", 30},
                                 {"CITTA'", 34},
                                 {"TELEFONO", 14},
                                 {"C.F. / P. IVA", 16},
                                 {"RAPPORTO", 8}});
    e.file_pdf = "elenco_proprietari.pdf";
    e.documento = kElenco;
    e.vuoto = "NESSUN PROPRIETARIO DA STAMPARE.";
    const long n = conteggio(app, kContaProprietari, s.proprietari.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaProprietario& p = s.proprietari[i];
        e.righe.push_back(in_colonne(
            {{plat::trim(p[proprietario::codice]), 6},
             {plat::trim(p[proprietario::nome]), 30},
             {plat::trim(p[proprietario::via]), 30},
             {localita(plat::trim(p[proprietario::cap]), plat::trim(p[proprietario::citta]),
                       plat::trim(p[proprietario::provincia]), 34),
              34},
             {plat::trim(p[proprietario::telefono]), 14},
             {plat::trim(p[proprietario::codice_fiscale]), 16},
             {plat::trim(p[proprietario::rapporto]), 8}}));
    }
    return e;
}

bool stampa_elenco(App& app, const Elenco& elenco) {
    Stato& s = app.s;
    if (elenco.righe.empty()) {
        app.msgbox(elenco.vuoto, plat::Buttons::Ok, elenco.documento.titolo);
        return false;
    }
    plat::PrintJob job;
    job.template_path = s.cartella_stampe + "elenco.xls";
    job.sheet = "Foglio1";
    job.cells = {{1, 1, elenco.titolo}, {2, 1, s.agenzia_nome}, {3, 1, elenco.intestazione}};
    job.cells.erase(std::remove_if(job.cells.begin(), job.cells.end(),
                                   [](const plat::Cell& c) { return c.text.empty(); }),
                    job.cells.end());
    const std::size_t per_pagina = kRigheElencoPerPagina;
    const std::size_t pagine = (elenco.righe.size() + per_pagina - 1) / per_pagina;
    for (std::size_t p = 0; p < pagine; ++p) {
        std::vector<plat::Cell> pagina;
        for (std::size_t r = 0; r < per_pagina && p * per_pagina + r < elenco.righe.size(); ++r)
            pagina.push_back({4 + static_cast<int>(r), 1, elenco.righe[p * per_pagina + r]});
        pagina.push_back({4 + kRigheElencoPerPagina, 1,
                          "PAGINA " + std::to_string(p + 1) + " DI " + std::to_string(pagine)});
        job.pages.push_back(std::move(pagina));
    }
    job.copies = 1;
    job.pdf_path = s.cartella_dati + elenco.file_pdf;
    return stampa_documento(app, job, elenco.documento);
}

}  // namespace ga
