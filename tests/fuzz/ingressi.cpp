#include "fuzz/ingressi.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include <unistd.h>

#include "accounts/archivio_spese.h"
#include "accounts/conto_corrente.h"
#include "platform/record_file.h"
#include "platform/scripted.h"
#include "platform/text.h"
#include "program/programma.h"
#include "records/agenzia.h"
#include "records/appartamenti.h"
#include "records/banche.h"
#include "records/clienti.h"
#include "records/fatture.h"
#include "records/movimenti.h"
#include "records/note.h"
#include "records/percorsi.h"
#include "records/periodi.h"
#include "records/prenotazioni.h"
#include "records/proprietari.h"
#include "records/vie.h"

namespace ga::fuzz {

namespace {

namespace fs = std::filesystem;

// The folders of this process: a program folder with the shipped files and
// a data folder, both emptied of what the last input left.
struct Cartelle {
    std::string programma, dati;
    Cartelle() {
        const fs::path radice =
            fs::temp_directory_path() / ("ingressi_" + std::to_string(::getpid()));
        fs::remove_all(radice);
        fs::create_directories(radice / "dati");
        fs::create_directories(radice / "programma");
        fs::copy(SOURCE_DATA_FOLDER, radice / "programma",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        programma = (radice / "programma").string() + "/";
        dati = (radice / "dati").string() + "/";
    }
    ~Cartelle() {
        std::error_code ec;
        fs::remove_all(fs::path(dati).parent_path().parent_path(), ec);
    }
    void svuota_dati() const {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dati, ec)) fs::remove_all(e.path(), ec);
        for (const char* nome : {"AGENZIA.IND", "BANCHE.IND", "cartella.txt"})
            fs::remove(programma + nome, ec);
    }
};

const Cartelle& cartelle() {
    static const Cartelle c;
    return c;
}

void scrivi(const std::string& percorso, std::string_view byte) {
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

std::vector<std::string_view> parti(const std::uint8_t* dati, std::size_t quanti, std::size_t n) {
    std::string_view tutto(reinterpret_cast<const char*>(dati), quanti);
    std::vector<std::string_view> out;
    while (out.size() + 1 < n) {
        const std::size_t fine = tutto.find(kSeparatoreFile);
        if (fine == std::string_view::npos) break;
        out.push_back(tutto.substr(0, fine));
        tutto.remove_prefix(fine + 1);
    }
    out.push_back(tutto);
    out.resize(n);
    return out;
}

// A fresh program on the folders, as a user who answers every question
// with its first button; the clock at 9 December 2026.
std::unique_ptr<App> programma() {
    const Cartelle& c = cartelle();
    plat::Services servizi;
    servizi.messages = std::make_unique<plat::ScriptedMessages>();
    servizi.printer = std::make_unique<plat::RecordingPrinter>();
    servizi.clock = std::make_unique<plat::FixedClock>(plat::Date::from_dmy(9, 12, 2026).value());
    servizi.user = std::make_unique<plat::FixedUser>("mario");
    servizi.program_folder = c.programma;
    return crea_applicazione(std::move(servizi));
}

// The paths as the start and the menu build them, on the data folder.
void prepara(App& app) {
    const Cartelle& c = cartelle();
    app.run([&] {
        app.s.anno_gestione = "2026";
        app.imposta("zeltra", "Text17", c.programma);
        imposta_percorsi_programma(app);
        app.imposta("MENU", "Text1", c.dati);
        imposta_percorsi_dati(app);
    });
}

// One register's loader over the bytes as its file.
template <std::string Stato::*percorso, void (*carica)(App&)>
void registro(const std::uint8_t* dati, std::size_t quanti) {
    cartelle().svuota_dati();
    auto app = programma();
    prepara(*app);
    scrivi(app->s.*percorso, std::string_view(reinterpret_cast<const char*>(dati), quanti));
    app->run([&] { carica(*app); });
    // Loaded twice: a second load over the first one's tables.
    app->run([&] { carica(*app); });
}

void conto_corrente(const std::uint8_t* dati, std::size_t quanti) {
    cartelle().svuota_dati();
    auto app = programma();
    app->s.conto_corrente = "123";
    prepara(*app);
    scrivi(app->s.percorso_contocorr,
           std::string_view(reinterpret_cast<const char*>(dati), quanti));
    app->run([&] { carica_conto_corrente(*app); });
}

void avvio(const std::uint8_t* dati, std::size_t quanti) {
    const Cartelle& c = cartelle();
    c.svuota_dati();
    const auto p = parti(dati, quanti, 3);
    scrivi(c.programma + "AGENZIA.IND", p[0]);
    scrivi(c.programma + "BANCHE.IND", p[1]);
    // Every folder the pointer names lies inside the data folder: the
    // program creates the registers it misses wherever the pointer leads.
    std::string puntatore;
    for (const std::string& riga : plat::split(std::string(p[2]), "\n"))
        puntatore += c.dati + plat::replace_all(riga, "..", "__") + "\n";
    scrivi(c.programma + "cartella.txt", puntatore);

    auto app = programma();
    avvia(*app);
    app->click(app->campo("zeltra", "AVANTI"));
}

void prenotazione(const std::uint8_t* dati, std::size_t quanti) {
    const Cartelle& c = cartelle();
    c.svuota_dati();
    const auto p = parti(dati, quanti, 8);
    const char* nomi[] = {"Vie.dat",         "proprietari.IND", "appartamenti.ind",
                          "clienti.dat",     "periodi2026.ind", "prenotazioni2026.dat",
                          "noteaff2026.dat", "saldi2026.dat"};
    for (std::size_t i = 0; i < 8; ++i) scrivi(c.dati + nomi[i], p[i]);

    auto app = programma();
    prepara(*app);
    // Opened from the menu's bookings list, as a user opens it; then the
    // first apartment and the first free period, when there are any.
    app->run([&] {
        app->form("MENU")->show();
        app->campo("MENU", "List1").set_list_index(0);
    });
    plat::Control& appartamenti = app->campo("prenotazione", "Combo1");
    if (appartamenti.list_count() > 0) app->pick(appartamenti, 0);
    plat::Control& periodi = app->campo("prenotazione", "List1");
    if (periodi.list_count() > 0) app->pick(periodi, 0);
}

// --- the rewrite keeps what it did not change ----------------------------------

// The lines of the file as the loaders read them, each written back as a
// rewrite writes it: the bytes a rewrite that changes nothing must give.
std::string come_riscritto(const std::string& percorso) {
    std::string out;
    for (const std::string& r : plat::read_lines(percorso).value_or(std::vector<std::string>{})) {
        out += plat::utf8_to_cp1252(r);
        out += "\r\n";
    }
    return out;
}

std::string byte_di(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> righe_crlf(const std::string& byte) {
    std::vector<std::string> out;
    for (std::size_t da = 0; da < byte.size();) {
        const std::size_t fine = byte.find("\r\n", da);
        out.push_back(byte.substr(da, fine - da));
        da = fine + 2;
    }
    return out;
}

// A register as the property sees it: its file, its loader, its table and
// the format its writer rewrites it with; `cambia` changes a record in a
// field the program writes, `nuova` makes a record to add.
template <class Row>
struct Registro {
    std::string Stato::*percorso;
    void (*carica)(App&);
    Tabella<Row>& (*tabella)(App&);
    const Formato<Row>* formato;
    void (*cambia)(Row&);
    Row (*nuova)();
};

template <class Row>
std::string verifica(const Registro<Row>& r, std::string_view byte) {
    cartelle().svuota_dati();
    auto app = programma();
    prepara(*app);
    const std::string percorso = app->s.*r.percorso;
    scrivi(percorso, byte);
    const std::string atteso = come_riscritto(percorso);
    std::string esito;
    app->run([&] {
        r.carica(*app);
        Tabella<Row>& t = r.tabella(*app);
        const int n = t.righe_lette();
        // A rewrite that changes nothing gives the file back.
        if (!riscrivi_tabella(*app, percorso, t, n, *r.formato)) {
            esito = "the rewrite failed";
            return;
        }
        const std::string prima = byte_di(percorso);
        if (prima != atteso) {
            esito = "a rewrite without a change changed the file";
            return;
        }
        // One record changed: its line, and no other, differs; a file with
        // no record gets one line more at its end.
        int k = 0;
        for (int i = 1; i <= n && k == 0; ++i)
            if (t.letta(i).leggibile && !r.formato->tolta(t[i])) k = i;
        if (k > 0) r.cambia(t[k]);
        else {
            k = n + 1;
            t.allarga(k);
            t[k] = r.nuova();
        }
        if (!riscrivi_tabella(*app, percorso, t, std::max(n, k), *r.formato)) {
            esito = "the rewrite of a change failed";
            return;
        }
        const auto a = righe_crlf(prima), b = righe_crlf(byte_di(percorso));
        const std::size_t riga = static_cast<std::size_t>(k) - 1;
        if (b.size() != std::max(a.size(), riga + 1)) {
            esito = "the change added or dropped lines";
            return;
        }
        for (std::size_t i = 0; i < b.size(); ++i) {
            if (i == riga) {
                if (i < a.size() && a[i] == b[i]) esito = "the changed record's line is unchanged";
            } else if (a[i] != b[i]) {
                esito =
                    "line " + std::to_string(i + 1) + " changed with record " + std::to_string(k);
            }
        }
        // The changed record keeps the fields past those the program writes.
        if (esito.empty() && riga < a.size()) {
            const std::string oltre = plat::utf8_to_cp1252(campi_oltre(
                plat::cp1252_to_utf8(a[riga]), r.formato->separatore, r.formato->campi));
            if (b[riga].size() < oltre.size() ||
                b[riga].compare(b[riga].size() - oltre.size(), oltre.size(), oltre) != 0)
                esito = "the changed record lost its extra fields";
        }
    });
    return esito;
}

template <std::size_t N, std::size_t J>
void aggiungi_x(Campi<N>& c) {
    c[J] += "X";
}
template <std::size_t N>
Campi<N> campi_nuovi() {
    Campi<N> c;
    for (std::size_t j = 0; j < N; ++j) c[j] = "N" + std::to_string(j);
    return c;
}

const Registro<RigaVia> kVie{&Stato::percorso_vie,
                             carica_vie,
                             [](App& a) -> Tabella<RigaVia>& { return a.s.vie; },
                             &kFormatoVie,
                             aggiungi_x<vie::kCampi, vie::nome>,
                             campi_nuovi<vie::kCampi>};
const Registro<RigaProprietario> kProprietari{
    &Stato::percorso_proprietari,
    carica_proprietari,
    [](App& a) -> Tabella<RigaProprietario>& { return a.s.proprietari; },
    &kFormatoProprietari,
    aggiungi_x<proprietario::kCampi, proprietario::via>,
    campi_nuovi<proprietario::kCampi>};
const Registro<RigaAppartamento> kAppartamenti{
    &Stato::percorso_appartamenti,
    carica_appartamenti,
    [](App& a) -> Tabella<RigaAppartamento>& { return a.s.appartamenti; },
    &kFormatoAppartamenti,
    aggiungi_x<appartamento::kCampi, appartamento::civico>,
    campi_nuovi<appartamento::kCampi>};
const Registro<RigaCliente> kClienti{&Stato::percorso_clienti,
                                     carica_clienti,
                                     [](App& a) -> Tabella<RigaCliente>& { return a.s.clienti; },
                                     &kFormatoClienti,
                                     aggiungi_x<cliente::kCampi, cliente::via>,
                                     campi_nuovi<cliente::kCampi>};
const Registro<RigaNota> kNote{&Stato::percorso_note,
                               carica_note,
                               [](App& a) -> Tabella<RigaNota>& { return a.s.note; },
                               &kFormatoNote,
                               aggiungi_x<nota::kCampi, nota::testo>,
                               campi_nuovi<nota::kCampi>};
const Registro<RigaFattura> kFatture{&Stato::percorso_fatture,
                                     carica_fatture,
                                     [](App& a) -> Tabella<RigaFattura>& { return a.s.fatture; },
                                     &kFormatoFatture,
                                     [](RigaFattura& f) { f.campo[fatt::descrizione] += "X"; },
                                     [] {
                                         RigaFattura f;
                                         f.data = plat::Date::from_dmy(1, 2, 2026).value();
                                         f.campo[fatt::numero] = "9";
                                         return f;
                                     }};
const Registro<RigaPeriodo> kPeriodi{
    &Stato::percorso_periodi,
    carica_periodi,
    [](App& a) -> Tabella<RigaPeriodo>& { return a.s.periodi; },
    &kFormatoPeriodi,
    [](RigaPeriodo& p) { p.prezzo += "X"; },
    [] { return RigaPeriodo{"", "0012", "01/07/2026", "15/07/2026", "500,00", "LIB"}; }};
const Registro<RigaPrenotazione> kPrenotazioni{
    &Stato::percorso_prenotazioni,
    carica_prenotazioni,
    [](App& a) -> Tabella<RigaPrenotazione>& { return a.s.prenotazioni; },
    &kFormatoPrenotazioni,
    [](RigaPrenotazione& p) { p.campo[pren::affitto] += "X"; },
    [] {
        RigaPrenotazione p;
        p.campo[pren::appartamento] = "0012";
        p.campo[pren::cliente] = "0001";
        return p;
    }};
const Registro<RigaBanca> kBanche{&Stato::percorso_banche,
                                  carica_banche,
                                  [](App& a) -> Tabella<RigaBanca>& { return a.s.banche; },
                                  &kFormatoBanche,
                                  [](RigaBanca& b) { b.banca_citta += "X"; },
                                  [] { return RigaBanca{"BANCA", "", "", "", "", "", "0001"}; }};

const std::vector<std::pair<const char*, std::string (*)(std::string_view)>> kRiscritture = {
    {"vie", [](std::string_view b) { return verifica(kVie, b); }},
    {"proprietari", [](std::string_view b) { return verifica(kProprietari, b); }},
    {"appartamenti", [](std::string_view b) { return verifica(kAppartamenti, b); }},
    {"clienti", [](std::string_view b) { return verifica(kClienti, b); }},
    {"fatture", [](std::string_view b) { return verifica(kFatture, b); }},
    {"periodi", [](std::string_view b) { return verifica(kPeriodi, b); }},
    {"prenotazioni", [](std::string_view b) { return verifica(kPrenotazioni, b); }},
    {"note", [](std::string_view b) { return verifica(kNote, b); }},
    {"banche", [](std::string_view b) { return verifica(kBanche, b); }},
};

// The property as a fuzz target: a failure stops the run with what failed.
template <std::size_t I>
void riscrittura(const std::uint8_t* dati, std::size_t quanti) {
    const std::string esito =
        kRiscritture[I].second(std::string_view(reinterpret_cast<const char*>(dati), quanti));
    if (esito.empty()) return;
    std::fprintf(stderr, "rewrite of %s: %s\n", kRiscritture[I].first, esito.c_str());
    std::abort();
}

const std::vector<Ingresso> kIngressi = {
    {"vie", registro<&Stato::percorso_vie, carica_vie>},
    {"proprietari", registro<&Stato::percorso_proprietari, carica_proprietari>},
    {"appartamenti", registro<&Stato::percorso_appartamenti, carica_appartamenti>},
    {"clienti", registro<&Stato::percorso_clienti, carica_clienti>},
    {"fatture", registro<&Stato::percorso_fatture, carica_fatture>},
    {"periodi", registro<&Stato::percorso_periodi, carica_periodi>},
    {"prenotazioni", registro<&Stato::percorso_prenotazioni, carica_prenotazioni>},
    {"note", registro<&Stato::percorso_note, carica_note>},
    {"saldi", registro<&Stato::percorso_saldi, carica_saldi>},
    {"spese", registro<&Stato::percorso_spese, carica_spese>},
    {"banche", registro<&Stato::percorso_banche, carica_banche>},
    {"agenzia", registro<&Stato::percorso_agenzia, carica_agenzia>},
    {"contocorr", conto_corrente},
    {"avvio", avvio},
    {"prenotazione", prenotazione},
    {"riscrivi_vie", riscrittura<0>},
    {"riscrivi_proprietari", riscrittura<1>},
    {"riscrivi_appartamenti", riscrittura<2>},
    {"riscrivi_clienti", riscrittura<3>},
    {"riscrivi_fatture", riscrittura<4>},
    {"riscrivi_periodi", riscrittura<5>},
    {"riscrivi_prenotazioni", riscrittura<6>},
    {"riscrivi_note", riscrittura<7>},
    {"riscrivi_banche", riscrittura<8>},
};

}  // namespace

const std::vector<Ingresso>& ingressi() { return kIngressi; }

std::vector<std::string> registri_riscritti() {
    std::vector<std::string> out;
    for (const auto& r : kRiscritture) out.emplace_back(r.first);
    return out;
}

std::string verifica_riscrittura(std::string_view registro, std::string_view byte) {
    for (const auto& r : kRiscritture)
        if (registro == r.first) return r.second(byte);
    return "no such register";
}

const Ingresso* ingresso(std::string_view nome) {
    for (const Ingresso& i : kIngressi)
        if (nome == i.nome) return &i;
    return nullptr;
}

}  // namespace ga::fuzz
