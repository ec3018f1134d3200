#include "fuzz/ingressi.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "accounts/archivio_spese.h"
#include "accounts/conto_corrente.h"
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
};

}  // namespace

const std::vector<Ingresso>& ingressi() { return kIngressi; }

const Ingresso* ingresso(std::string_view nome) {
    for (const Ingresso& i : kIngressi)
        if (nome == i.nome) return &i;
    return nullptr;
}

}  // namespace ga::fuzz
