// Saves cut short at every file call: each operation that writes several
// registers is stopped before its 1st, 2nd ... file call, by a kill (a crash,
// a power cut) or by a failing call (a full disk), and the program is started
// again on what is left. Then the registers are all old or all new, as a
// set; they keep the rules that tie them together; no temporary file of the
// save is left; and an operation that did not count, done again, records
// its money once.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/folder_lock.h"
#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/save_unit.h"
#include "platform/text.h"
#include "records/percorsi.h"
#include "records/periodi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;
using Insieme = std::map<std::string, std::string>;  // file name -> bytes

// --- the registers' cross-file rules ------------------------------------------------

struct Movimento {
    std::vector<std::string> c;  // c[1] .. c[8] after the date
    long riga = 0;
};

long numero(const std::string& t) { return plat::leading_int(plat::trim(t)); }
long long centesimi(const std::string& t) {
    return plat::cents(plat::italian_or_zero(plat::trim(t)));
}
bool zero(const std::string& t) { return centesimi(t) == 0; }

// What the data folder breaks of the rules; empty when it keeps them all.
Righe regole_violate(test::Banco& b) {
    auto righe = [&](const std::string& nome) { return b.leggi(b.cartella_dati() + nome); };
    std::vector<Movimento> giornale;
    for (const std::string& r : righe("saldi2026.dat")) {
        Movimento m{plat::split(r, "*"), static_cast<long>(giornale.size()) + 1};
        m.c.resize(9);
        giornale.push_back(m);
    }
    const Righe periodi = righe("periodi2026.ind");
    Righe violate;
    const Righe prenotazioni = righe("prenotazioni2026.dat");
    for (std::size_t i = 0; i < prenotazioni.size(); ++i) {
        auto f = plat::split(prenotazioni[i], "*");
        f.resize(13);
        const long k = static_cast<long>(i) + 1;
        const std::string chi = "prenotazione " + std::to_string(k) + ": ";
        if (plat::trim(f[9]) == "0.00.00") {
            long long acconti = 0;
            for (const Movimento& m : giornale)
                if (numero(m.c[7]) == k) acconti += centesimi(m.c[2]);
            if (acconti != centesimi(f[5])) violate.push_back(chi + "acconto diverso dal giornale");
        } else if (plat::starts_with(f[11], "REVOC")) {
            const long p = numero(f[12]);
            if (p >= 1 && p <= static_cast<long>(periodi.size()) &&
                plat::trim(plat::split(periodi[static_cast<std::size_t>(p - 1)], "*").back()) ==
                    "AFF")
                violate.push_back(chi + "revocata con il periodo ancora AFF");
        } else {
            const long l = numero(f[11]);
            if (l < 1 || l > static_cast<long>(giornale.size()) ||
                numero(giornale[static_cast<std::size_t>(l - 1)].c[7]) != k)
                violate.push_back(chi + "il legame non e' il suo saldo");
        }
    }
    // Expenses and payouts: money to an owner, not to a booking.
    long spese = 0, versamenti = 0;
    for (const Movimento& m : giornale) {
        if (!zero(m.c[2]) || !zero(m.c[3]) || zero(m.c[4]) || !zero(m.c[5]) || !zero(m.c[6]))
            continue;
        (plat::trim(m.c[7]).empty() ? versamenti : spese) += 1;
    }
    if (spese != static_cast<long>(righe("spese2026.dat").size()))
        violate.push_back("una riga di spesa per movimento di spesa");
    long conto = 0;
    for (const auto& e : fs::directory_iterator(b.cartella_dati()))
        if (e.path().filename().string().starts_with("ContoCorr"))
            conto += static_cast<long>(b.leggi(e.path().string()).size());
    if (versamenti != conto) violate.push_back("una riga di conto per versamento");
    return violate;
}

// --- the operations -------------------------------------------------------------

// Booking 1 open on period 1 with its advance; booking 2 paid, with its note
// and a deposit of 300,00, on period 3.
void dati_saldi(test::Banco& b) {
    const std::string d = b.cartella_dati();
    b.scrivi(d + "proprietari.IND", {test::proprietario_rossi()});
    b.scrivi(d + "appartamenti.ind", {test::appartamento_di_rossi()});
    b.scrivi(d + "clienti.dat", {test::cliente_bianchi()});
    b.scrivi(d + "periodi2026.ind", {test::riga_periodo({{periodo::codice, "0010"},
                                                         {periodo::dal, "01/07/2026"},
                                                         {periodo::al, "15/07/2026"},
                                                         {periodo::prezzo, "1.000,00"},
                                                         {periodo::stato, "AFF"}}),
                                     test::riga_periodo({{periodo::codice, "0010"},
                                                         {periodo::dal, "16/07/2026"},
                                                         {periodo::al, "31/07/2026"},
                                                         {periodo::prezzo, "1.000,00"},
                                                         {periodo::stato, "LIB"}}),
                                     test::riga_periodo({{periodo::codice, "0010"},
                                                         {periodo::dal, "01/08/2026"},
                                                         {periodo::al, "15/08/2026"},
                                                         {periodo::prezzo, "1.000,00"},
                                                         {periodo::stato, "AFF"}})});
    b.scrivi(d + "prenotazioni2026.dat", {test::riga_prenotazione({{pren::appartamento, "0010"},
                                                                   {pren::cliente, "0001"},
                                                                   {pren::arrivo, "01/07/2026"},
                                                                   {pren::partenza, "15/07/2026"},
                                                                   {pren::affitto, "1.000,00"},
                                                                   {pren::acconto, "300,00"},
                                                                   {pren::diritti, "0,00"},
                                                                   {pren::pulizia, "0,00"},
                                                                   {pren::cauzione, "0,00"},
                                                                   {pren::chiusura, "0.00.00"},
                                                                   {pren::periodo, "1"}}),
                                          test::riga_prenotazione({{pren::appartamento, "0010"},
                                                                   {pren::cliente, "0001"},
                                                                   {pren::arrivo, "01/08/2026"},
                                                                   {pren::partenza, "15/08/2026"},
                                                                   {pren::affitto, "1.000,00"},
                                                                   {pren::acconto, "300,00"},
                                                                   {pren::diritti, "ND"},
                                                                   {pren::pulizia, "30,00"},
                                                                   {pren::cauzione, "0,00"},
                                                                   {pren::chiusura, "20/08/2026"},
                                                                   {pren::nota, "1"},
                                                                   {pren::movimento, "3"},
                                                                   {pren::periodo, "3"}})});
    b.scrivi(d + "noteaff2026.dat", {test::riga_nota({{nota::testo, "ARRIVO TARDI"},
                                                      {nota::prenotazione, "2"},
                                                      {nota::appartamento, "0010"}})});
    b.scrivi(d + "saldi2026.dat", {test::riga_movimento({{movimento::data, "01/06/2026"},
                                                         {movimento::parte, "0001"},
                                                         {movimento::acconto, "300,00"},
                                                         {movimento::saldo, "0,00"},
                                                         {movimento::importo, "0"},
                                                         {movimento::pulizia, "0,00"},
                                                         {movimento::cauzione, "0,00"},
                                                         {movimento::numero, "1"},
                                                         {movimento::appartamento, "0010"}}),
                                   test::riga_movimento({{movimento::data, "02/06/2026"},
                                                         {movimento::parte, "0001"},
                                                         {movimento::acconto, "300,00"},
                                                         {movimento::saldo, "ND"},
                                                         {movimento::importo, "0"},
                                                         {movimento::pulizia, "30,00"},
                                                         {movimento::cauzione, "0,00"},
                                                         {movimento::numero, "2"},
                                                         {movimento::appartamento, "0010"}}),
                                   test::riga_movimento({{movimento::data, "20/08/2026"},
                                                         {movimento::parte, "0001"},
                                                         {movimento::acconto, "0"},
                                                         {movimento::saldo, "700,00"},
                                                         {movimento::importo, "50,00"},
                                                         {movimento::pulizia, "0"},
                                                         {movimento::cauzione, "300,00"},
                                                         {movimento::numero, "    2 "},
                                                         {movimento::appartamento, "0010"}})});
}

void impostazioni(App& app) {
    app.s.diritti_agenzia = "50,00";
    app.s.pulizia_finale = "30,00";
    app.s.deposito_minimo = "200,00";
    app.s.percentuale_cauzione = "10";
}

// The client's bookings as the menu opens them for `operazione`, booking 1
// picked and its button pressed.
void dai_prenotazioni_cliente(App& app, const char* operazione, const char* pulsante) {
    impostazioni(app);
    app.run([&] {
        app.s.operazione = operazione;
        app.form("VisuPrenotCliente")->show();
    });
    app.type(app.campo("VisuPrenotCliente", "Text1"), "BIANCHI");
    app.leave(app.campo("VisuPrenotCliente", "Text1"));
    app.pick(app.campo("VisuPrenotCliente", "List1"), 0);
    app.click(app.campo("VisuPrenotCliente", pulsante));
}

void pagamento(App& app, const char* importo) {
    dai_prenotazioni_cliente(app, "SALDO", "SALDO");
    plat::Control& versato = app.campo("saldoaff", "Text14");
    if (*importo) {
        app.type(versato, importo);
        app.leave(versato);
    } else {
        app.double_click(versato);  // the whole residual
    }
}

// The booking page: apartment 12, client ROSSI found, period row 1, a note.
void dati_prenotazione(test::Banco& b) {
    const std::string d = b.cartella_dati();
    b.scrivi(d + "Vie.dat", {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}})});
    b.scrivi(d + "proprietari.IND",
             {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA ROMA 1"},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832111"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "RSSMRA"},
                                       {proprietario::rapporto, "PROVV"},
                                       {proprietario::email, "r@x.it"}})});
    b.scrivi(d + "appartamenti.ind",
             {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "BIL"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "2"},
                                       {appartamento::giardino, "SI"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4+2"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "12"}})});
    b.scrivi(d + "clienti.dat", {test::riga_cliente({{cliente::codice, "0039"},
                                                     {cliente::nome, "ROSSI MARIO"},
                                                     {cliente::via, "VIA ROMA 1"},
                                                     {cliente::cap, "73100"},
                                                     {cliente::citta, "LECCE"},
                                                     {cliente::telefono, "0832111"},
                                                     {cliente::provincia, "LE"},
                                                     {cliente::codice_fiscale, "RSSMRA80A01E506X"},
                                                     {cliente::email, "r@x.it"}})});
    b.scrivi(d + "periodi2026.ind", {test::riga_periodo({{periodo::codice, "0012"},
                                                         {periodo::dal, "01/07/2026"},
                                                         {periodo::al, "15/07/2026"},
                                                         {periodo::prezzo, "1.500,00"},
                                                         {periodo::stato, "LIB"}}),
                                     test::riga_periodo({{periodo::codice, "0012"},
                                                         {periodo::dal, "01/08/2026"},
                                                         {periodo::al, "15/08/2026"},
                                                         {periodo::prezzo, "2.000,00"},
                                                         {periodo::stato, "LIB"}})});
    b.scrivi(d + "prenotazioni2026.dat", {test::riga_prenotazione({{pren::appartamento, "0012"},
                                                                   {pren::cliente, "0039"},
                                                                   {pren::arrivo, "01/07/2026"},
                                                                   {pren::partenza, "10/07/2026"},
                                                                   {pren::affitto, "800,00"},
                                                                   {pren::acconto, "264,00"},
                                                                   {pren::diritti, "0,00"},
                                                                   {pren::pulizia, "0,00"},
                                                                   {pren::cauzione, "0,00"},
                                                                   {pren::chiusura, "0.00.00"},
                                                                   {pren::nota, "1"},
                                                                   {pren::periodo, "1"}})});
    b.scrivi(d + "noteaff2026.dat", {test::riga_nota({{nota::testo, "CULLA"},
                                                      {nota::prenotazione, "1"},
                                                      {nota::appartamento, "0012"}})});
    b.scrivi(d + "saldi2026.dat", {test::riga_movimento({{movimento::data, "01/05/2026"},
                                                         {movimento::parte, "0039"},
                                                         {movimento::acconto, "264,00"},
                                                         {movimento::saldo, "0"},
                                                         {movimento::importo, "0"},
                                                         {movimento::pulizia, "0"},
                                                         {movimento::cauzione, "0"},
                                                         {movimento::numero, "1"},
                                                         {movimento::appartamento, "0012"}})});
}

void apri_prenotazione(App& app) {
    app.s.percentuale_cauzione = "10";
    app.s.diritti_agenzia = "100";
    app.s.pulizia_finale = "50";
    app.s.primo_accesso_menu = "1";
    app.run([&] {
        app.imposta("zeltra", "Text11", "150,00");
        app.form("MENU")->show();
        app.campo("MENU", "List1").set_list_index(0);
    });
    app.pick(app.campo("prenotazione", "Combo1"), 0);
    app.type(app.campo("prenotazione", "Text8"), "ROSSI");
    app.leave(app.campo("prenotazione", "Text8"));
    app.click(app.campo("prenotazione", "CONFERMA"));
    app.pick(app.campo("prenotazione", "List1"), 1);
    app.type(app.campo("prenotazione", "Text20"), "CULLA");
    app.leave(app.campo("prenotazione", "Text20"));
}

// An owner with an apartment and a balance to pay out; the agency's bank.
void dati_proprietario(test::Banco& b) {
    const std::string d = b.cartella_dati();
    b.scrivi(d + "proprietari.IND",
             {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA ROMA 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080111"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "RSSMRA"},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(d + "appartamenti.ind",
             {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                       {appartamento::codice_via, "001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "0"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "0"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "0"},
                                       {appartamento::vuoto, "0"},
                                       {appartamento::note, "0"},
                                       {appartamento::codice, "0012"}})});
    b.scrivi(d + "Vie.dat", {"0001**VIA ROMA"});
    b.scrivi(d + "prenotazioni2026.dat", {test::riga_prenotazione({{pren::appartamento, "0012"},
                                                                   {pren::cliente, "0001"},
                                                                   {pren::arrivo, "01/07/2026"},
                                                                   {pren::partenza, "15/07/2026"},
                                                                   {pren::affitto, "2.300,00"},
                                                                   {pren::acconto, "300,00"},
                                                                   {pren::diritti, "100,00"},
                                                                   {pren::pulizia, "50,00"},
                                                                   {pren::cauzione, "200,00"},
                                                                   {pren::chiusura, "15/07/2026"},
                                                                   {pren::movimento, "2"},
                                                                   {pren::periodo, "1"}})});
    b.scrivi(d + "periodi2026.ind", {test::riga_periodo({{periodo::codice, "0012"},
                                                         {periodo::dal, "01/07/2026"},
                                                         {periodo::al, "15/07/2026"},
                                                         {periodo::prezzo, "2.300,00"},
                                                         {periodo::stato, "AFF"}})});
    b.scrivi(d + "saldi2026.dat", {test::riga_movimento({{movimento::data, "01/07/2026"},
                                                         {movimento::parte, "0001"},
                                                         {movimento::acconto, "300,00"},
                                                         {movimento::saldo, "100,00"},
                                                         {movimento::importo, "0"},
                                                         {movimento::pulizia, "50,00"},
                                                         {movimento::cauzione, "200,00"},
                                                         {movimento::numero, "1"},
                                                         {movimento::appartamento, "0012"}}),
                                   test::riga_movimento({{movimento::data, "15/07/2026"},
                                                         {movimento::parte, "0001"},
                                                         {movimento::acconto, "0"},
                                                         {movimento::saldo, "2000,00"},
                                                         {movimento::importo, "0"},
                                                         {movimento::pulizia, "0"},
                                                         {movimento::cauzione, "0"},
                                                         {movimento::numero, "1"},
                                                         {movimento::appartamento, "0012"}})});
    b.scrivi(b.cartella_programma() + "BANCHE.IND",
             {"BANCA DI BARI,AGENZIA SOLE,000123456,AB,BARI,IT60,"});
}

void apri_versamento(App& app) {
    app.run([&] {
        app.imposta("zeltra", "Text9", " 10 ");
        app.imposta("SaldoProprietario", "Combo1", "");
        app.form("SaldoProprietario")->show();
    });
    app.pick(app.campo("SaldoProprietario", "Combo1"), 0);
    app.type(app.campo("SaldoProprietario", "Text5"), "1000");
    app.leave(app.campo("SaldoProprietario", "Text5"));
    app.click(app.campo("SaldoProprietario", "Option2"));  // by cheque
    app.type(app.campo("SaldoProprietario", "Text6"), "ASSEGNO N. 55");
}

void apri_spesa(App& app) {
    app.run([&] {
        app.imposta("zeltra", "Text9", " 10 ");
        app.imposta("spese", "Text10", "0");
        app.form("spese")->show();
    });
    app.pick(app.campo("spese", "Combo1"), 0);
    plat::Control& importo = app.campo("spese", "Text8");
    app.click(importo);
    app.type(importo, "150");
    app.leave(importo);
    app.type(app.campo("spese", "Text9"), "RIPARAZIONE CALDAIA");
    app.leave(app.campo("spese", "Text9"));
}

void apri_personalizza(App& app) {
    app.run([&] { app.form("PersonalizzaAgenzia")->show(); });
    const std::pair<const char*, const char*> valori[] = {
        {"Text1", "AGENZIA SOLE"}, {"Text8", "100,00"},     {"Text9", "10"},
        {"Text10", "22"},          {"Text13", "000123456"}, {"Text14", "BANCA DI BARI"}};
    for (const auto& [box, testo] : valori) app.type(app.campo("PersonalizzaAgenzia", box), testo);
}

// An archive with another season's files, restored over the data folder.
void dati_recupero(test::Banco& b) {
    dati_saldi(b);
    const std::string archivio = b.cartella_programma() + "archivio/";
    fs::create_directories(archivio);
    b.scrivi(archivio + "prenotazioni2026.dat", {});
    b.scrivi(archivio + "saldi2026.dat",
             {test::riga_movimento({{movimento::data, "01/06/2026"},
                                    {movimento::parte, "0001"},
                                    {movimento::acconto, "100,00"},
                                    {movimento::saldo, "0"},
                                    {movimento::importo, "0"},
                                    {movimento::pulizia, "0"},
                                    {movimento::cauzione, "0"},
                                    {movimento::numero, "0"},
                                    {movimento::appartamento, "0010"}})});
    b.scrivi(archivio + "periodi2026.ind", {test::riga_periodo({{periodo::codice, "0010"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "LIB"}})});
}

void apri_recupero(test::Banco& b) {
    App& app = b.app();
    app.run([&] { app.form("Rec_arch")->show(); });
    app.navigate(app.campo("Rec_arch", "Dir1"), b.cartella_programma() + "archivio");
}

struct Operazione {
    const char* nome;
    std::function<void(test::Banco&)> dati;
    std::function<void(test::Banco&)> apri;   // the forms up to the save
    std::function<void(test::Banco&)> salva;  // the click that saves
};

void clic(test::Banco& b, const char* forma, const char* pulsante) {
    b.app().click(b.app().campo(forma, pulsante));
}

const Operazione kOperazioni[] = {
    {"Prenotazione", dati_prenotazione, [](test::Banco& b) { apri_prenotazione(b.app()); },
     [](test::Banco& b) { clic(b, "prenotazione", "SALVA"); }},
    {"Saldo", dati_saldi, [](test::Banco& b) { pagamento(b.app(), ""); },
     [](test::Banco& b) { clic(b, "saldoaff", "Command1"); }},
    {"Acconto", dati_saldi, [](test::Banco& b) { pagamento(b.app(), "200"); },
     [](test::Banco& b) { clic(b, "saldoaff", "Command1"); }},
    {"Revoca", dati_saldi,
     [](test::Banco& b) {
         dai_prenotazioni_cliente(b.app(), "REVOCA", "REVOCA");
         clic(b, "REVOCAPREN", "Option3");  // the whole advance back
     },
     [](test::Banco& b) { clic(b, "REVOCAPREN", "Command1"); }},
    {"Cauzione", dati_saldi,
     [](test::Banco& b) {
         App& app = b.app();
         app.run([&] { app.form("RESTCAUZ")->show(); });
         app.pick(app.campo("RESTCAUZ", "NRICH"), 1);
         app.leave(app.campo("RESTCAUZ", "NRICH"));
         app.double_click(app.campo("RESTCAUZ", "Text3"));
     },
     [](test::Banco& b) { clic(b, "RESTCAUZ", "SALVA"); }},
    {"Versamento", dati_proprietario, [](test::Banco& b) { apri_versamento(b.app()); },
     [](test::Banco& b) { clic(b, "SaldoProprietario", "SALVA"); }},
    {"Spesa", dati_proprietario, [](test::Banco& b) { apri_spesa(b.app()); },
     [](test::Banco& b) { clic(b, "spese", "Command1"); }},
    {"CancellazionePeriodo", dati_saldi,
     [](test::Banco& b) { b.app().run([&] { b.app().imposta("appartament", "Text40", "2"); }); },
     [](test::Banco& b) {
         App& app = b.app();
         // The card's row of period 2 deleted.
         app.run([&] {
             app.s.azione_corrente = "cancella";
             app.s.operazione = "APPARTAMENTO";
             aggiorna_periodi(app);
         });
     }},
    {"Personalizzazione", [](test::Banco&) {}, [](test::Banco& b) { apri_personalizza(b.app()); },
     [](test::Banco& b) { clic(b, "PersonalizzaAgenzia", "SALVA"); }},
    // A save of one file: its rename and the folder's sync are the save.
    {"NuovoCliente",
     [](test::Banco& b) { b.scrivi(b.cartella_dati() + "clienti.dat", {test::cliente_bianchi()}); },
     [](test::Banco& b) {
         App& app = b.app();
         app.run([&] { app.form("insnomi")->show(); });
         clic(b, "insnomi", "NUOVOINS");
         app.type(app.campo("insnomi", "Text1"), "NERI PAOLO");
         app.leave(app.campo("insnomi", "Text1"));
     },
     [](test::Banco& b) { clic(b, "insnomi", "SALVACLI"); }},
    {"Recupero", dati_recupero, apri_recupero,
     [](test::Banco& b) {
         b.messaggi().answer(plat::Answer::Yes);  // the files are replaced
         clic(b, "Rec_arch", "Command1");
     }},
};

// The files of `a` that `b` lacks or holds otherwise, for a failure's message.
std::string differenze(const Insieme& a, const Insieme& b) {
    std::string out;
    for (const auto& [percorso, byte] : a)
        if (!b.contains(percorso) || b.at(percorso) != byte)
            out += fs::path(percorso).filename().string() + " ";
    for (const auto& [percorso, byte] : b)
        if (!a.contains(percorso)) out += "-" + fs::path(percorso).filename().string() + " ";
    return out;
}

// --- the test ---------------------------------------------------------------------

enum class Guasto {
    uccisione,     // the process is killed at the call
    disco_pieno,   // the call fails, once (a full disk)
    guasto,        // that call and every one after it fail (a disk gone bad)
    sola_lettura,  // the same, refused (a disk turned read-only)
};

int errore_di(Guasto g) {
    return g == Guasto::disco_pieno ? ENOSPC : g == Guasto::guasto ? EIO : EPERM;
}

// The benches of this test lie in memory where the machine has it: a kill
// loses nothing that the page cache holds, so the disk's syncs would only
// make the hundreds of saves slow.
struct InMemoria {
    InMemoria() {
        std::error_code ec;
        if (fs::is_directory("/dev/shm", ec)) ::setenv("TMPDIR", "/dev/shm", 1);
    }
};

// Files of the user's in both folders, named as a temporary file might be:
// no save, start or recovery touches them.
constexpr const char* kFileUtente[] = {"preventivo.tmp2024-05", "foto.tmp1-1"};

bool contiene(const Righe& messaggi, std::string_view testo) {
    for (const std::string& m : messaggi)
        if (m.find(testo) != std::string::npos) return true;
    return false;
}
// Either start message of a save found counted: it is recorded.
constexpr std::string_view kCompletato = "NON VA RIPETUTA";
// What the program says of a save it did not make, and of one it made.
constexpr std::string_view kNonFatte[] = {"NON SONO STATE REGISTRATE", "NON E' STATA FATTA"};
constexpr std::string_view kFatte[] = {"E' STATO REGISTRATO, MA", "LA REGISTRAZIONE E' FATTA"};
bool dice(const Righe& messaggi, const auto& testi) {
    for (std::string_view t : testi)
        if (contiene(messaggi, t)) return true;
    return false;
}

template <class Parametro>
class Banchi : private InMemoria, public ::testing::TestWithParam<Parametro> {
protected:
    ~Banchi() override { plat::set_file_call_hook({}); }

    virtual const Operazione& op() const = 0;

    // The registers and the user's files of both folders (the program's own
    // files apart), byte for byte.
    Insieme insieme() const {
        Insieme out;
        for (const std::string& cartella : {b.cartella_dati(), b.cartella_programma()})
            for (const auto& e : fs::directory_iterator(cartella)) {
                const std::string nome = e.path().filename().string();
                if (!e.is_regular_file() || plat::is_program_work_file(nome)) continue;
                if (cartella == b.cartella_programma() && !nome.ends_with(".IND") &&
                    nome.find(".tmp") == std::string::npos)
                    continue;
                out[cartella + nome] = b.byte(e.path().string());
            }
        return out;
    }
    void ripristina(const Insieme& vecchio) {
        for (const auto& [percorso, byte] : insieme())
            if (!vecchio.contains(percorso)) fs::remove(percorso);
        for (const std::string& cartella : {b.cartella_dati(), b.cartella_programma()})
            for (const std::string& nome : avanzi()) fs::remove(cartella + nome);
        for (const auto& [percorso, byte] : vecchio)
            std::ofstream(percorso, std::ios::binary | std::ios::trunc) << byte;
    }
    Righe avanzi() const {
        Righe out;
        for (const std::string& cartella : {b.cartella_dati(), b.cartella_programma()})
            for (const auto& e : fs::directory_iterator(cartella)) {
                const std::string nome = e.path().filename().string();
                if (plat::is_program_work_file(nome) && !plat::is_lock_file(nome))
                    out.push_back(nome);
            }
        return out;
    }
    bool record_presente() const {
        return fs::exists(b.cartella_dati() + std::string(plat::kSaveRecordName)) ||
               fs::exists(b.cartella_programma() + std::string(plat::kSaveRecordName));
    }
    // The registers before and after the operation, saved once untouched.
    std::pair<Insieme, Insieme> prima_e_dopo() {
        op().dati(b);
        for (const char* nome : kFileUtente)
            for (const std::string& cartella : {b.cartella_dati(), b.cartella_programma()})
                b.scrivi(cartella + nome, {"DELL'UTENTE"});
        b.riavvia();
        op().apri(b);
        const Insieme vecchio = insieme();
        EXPECT_EQ(regole_violate(b), Righe{});
        op().salva(b);
        const Insieme nuovo = insieme();
        EXPECT_NE(nuovo, vecchio) << "the operation saved nothing";
        EXPECT_EQ(regole_violate(b), Righe{});
        return {vecchio, nuovo};
    }
    // The program as the user left it, up to the save.
    void da_capo(const Insieme& vecchio) {
        ripristina(vecchio);
        b.riavvia();
        op().apri(b);
        b.nuovi_messaggi();
    }
    // The save, stopped at its file call n. False when it had fewer calls.
    bool salva_fermandosi_a(int n, Guasto guasto) {
        int chiamate = 0;
        if (guasto != Guasto::uccisione) {
            plat::set_file_call_hook([&](std::string_view, const std::string&) {
                ++chiamate;
                return chiamate == n || (guasto != Guasto::disco_pieno && chiamate > n)
                           ? errore_di(guasto)
                           : 0;
            });
            op().salva(b);
            plat::set_file_call_hook({});
            return chiamate >= n;
        }
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            plat::set_file_call_hook([&](std::string_view, const std::string&) {
                if (++chiamate == n) ::kill(::getpid(), SIGKILL);
                return 0;
            });
            op().salva(b);
            ::_exit(0);  // every call done: no destructor of the test runs here
        }
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        return WIFSIGNALED(stato);
    }

    test::Banco b;
};

class SalvataggioInterrotto : public Banchi<std::tuple<Operazione, Guasto>> {
protected:
    const Operazione& op() const override { return std::get<0>(GetParam()); }
};

TEST_P(SalvataggioInterrotto, AtEveryFileCallTheRegistersAreAllOldOrAllNewAndARetryCountsOnce) {
    const auto [vecchio, nuovo] = prima_e_dopo();
    if (HasFailure()) return;

    int punti = 0;
    for (int n = 1;; ++n) {
        da_capo(vecchio);
        if (!salva_fermandosi_a(n, std::get<1>(GetParam()))) break;
        ++punti;
        SCOPED_TRACE("stopped before file call " + std::to_string(n));
        const bool da_completare = record_presente();
        // Every rename done, only the record left to remove.
        const bool gia_nuovo =
            insieme() == nuovo && avanzi() == Righe{std::string(plat::kSaveRecordName)};
        // In the same session: a save that counted but is not done says so
        // and is not to be repeated; one that did not count says which file
        // could not be written. Never "completed" unless it is.
        const Righe subito = b.nuovi_messaggi();
        if (std::get<1>(GetParam()) != Guasto::uccisione && insieme() != nuovo) {
            EXPECT_EQ(contiene(subito, "NON RIPETERE"), da_completare)
                << ::testing::PrintToString(subito);
            EXPECT_FALSE(subito.empty());
        }
        b.riavvia();
        const Insieme dopo = insieme();
        EXPECT_TRUE(dopo == vecchio || dopo == nuovo)
            << "the registers disagree; not old: " << differenze(dopo, vecchio)
            << "; not new: " << differenze(dopo, nuovo);
        EXPECT_EQ(avanzi(), Righe{});
        EXPECT_EQ(regole_violate(b), Righe{});
        // The word of the session is what the files hold: "not saved" for a
        // save that stands would have the user record it twice.
        EXPECT_FALSE(dopo == nuovo && dice(subito, kNonFatte)) << ::testing::PrintToString(subito);
        EXPECT_FALSE(dopo == vecchio && dice(subito, kFatte)) << ::testing::PrintToString(subito);
        // A save that counted is told once at the start; one that did not is
        // done again by the user, and then stands once. Nothing is
        // "completed now" that was whole before the start.
        const Righe all_avvio = b.nuovi_messaggi();
        EXPECT_EQ(all_avvio.size(), da_completare ? 1u : 0u);
        EXPECT_EQ(contiene(all_avvio, kCompletato), da_completare);
        EXPECT_FALSE(gia_nuovo && contiene(all_avvio, "COMPLETATO ORA"));
        if (dopo == vecchio) {
            op().apri(b);
            op().salva(b);
            EXPECT_TRUE(insieme() == nuovo) << "the retry did not record the operation once";
        }
    }
    EXPECT_GT(punti, 3);
}

// The start after a save killed once it counted, with its file call m and
// every one after it failing (EIO, or EPERM on a register of another user):
// the recovery keeps its record and every temporary file it names, says
// which file it could not write, and says "completed" only when every
// rename is done. The next start then finishes the save.
class RipresaFallita : public Banchi<Operazione> {
protected:
    const Operazione& op() const override { return GetParam(); }
};

TEST_P(RipresaFallita, ARecoveryThatFailsKeepsItsRecordAndSaysCompletedOnlyWhenItIs) {
    const auto [vecchio, nuovo] = prima_e_dopo();
    if (HasFailure()) return;
    // The kills after which the save counted: the first (every rename still
    // to do) and the last (every rename done, the record not yet removed).
    std::vector<int> contati;
    for (int n = 1;; ++n) {
        da_capo(vecchio);
        if (!salva_fermandosi_a(n, Guasto::uccisione)) break;
        if (record_presente()) contati.push_back(n);
    }
    if (contati.empty()) GTEST_SKIP() << "a save of one file has no record";

    int punti = 0;
    for (const int n : {contati.front(), contati.back()})
        for (const bool sempre : {false, true})
            for (int m = 1;; ++m) {
                da_capo(vecchio);
                salva_fermandosi_a(n, Guasto::uccisione);
                int chiamate = 0;
                plat::set_file_call_hook([&](std::string_view, const std::string&) {
                    ++chiamate;
                    return chiamate == m || (sempre && chiamate > m) ? EIO : 0;
                });
                b.riavvia();
                plat::set_file_call_hook({});
                if (chiamate < m) break;
                ++punti;
                SCOPED_TRACE("killed at call " + std::to_string(n) +
                             ", the start failing at call " + std::to_string(m) +
                             (sempre ? " and after" : " once"));
                const Righe primo = b.nuovi_messaggi();

                const bool rimasto = record_presente();
                EXPECT_EQ(contiene(primo, kCompletato), !rimasto)
                    << ::testing::PrintToString(primo);
                if (!rimasto) {
                    EXPECT_TRUE(insieme() == nuovo) << differenze(insieme(), nuovo);
                } else {
                    // Left unfinished: told, and no window works on the
                    // files it left half old (without the folder's lock
                    // the program ends).
                    EXPECT_TRUE(contiene(primo,
                                         "NON PUO' ESSERE COMPLETATO: IMPOSSIBILE SCRIVERE "
                                         "IL FILE ") ||
                                contiene(primo, "IN_USO.LCK"))
                        << ::testing::PrintToString(primo);
                }

                b.riavvia();
                EXPECT_TRUE(insieme() == nuovo) << differenze(insieme(), nuovo);
                EXPECT_EQ(avanzi(), Righe{});
                EXPECT_EQ(regole_violate(b), Righe{});
                const Righe secondo = b.nuovi_messaggi();
                EXPECT_EQ(contiene(secondo, kCompletato), rimasto)
                    << ::testing::PrintToString(secondo);
            }
    EXPECT_GT(punti, 3);
}

std::string nome_caso(const ::testing::TestParamInfo<std::tuple<Operazione, Guasto>>& info) {
    static const char* const kNomi[] = {"Ucciso", "DiscoPieno", "Guasto", "SolaLettura"};
    return std::string(std::get<0>(info.param).nome) +
           kNomi[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(OgniOperazione, SalvataggioInterrotto,
                         ::testing::Combine(::testing::ValuesIn(kOperazioni),
                                            ::testing::Values(Guasto::uccisione,
                                                              Guasto::disco_pieno, Guasto::guasto,
                                                              Guasto::sola_lettura)),
                         nome_caso);

INSTANTIATE_TEST_SUITE_P(OgniOperazione, RipresaFallita, ::testing::ValuesIn(kOperazioni),
                         [](const ::testing::TestParamInfo<Operazione>& info) {
                             return std::string(info.param.nome);
                         });

// --- one behaviour each ----------------------------------------------------------

// The record's checksum (FNV-1a), for records written by hand.
std::uint64_t fnv(std::string_view testo) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : testo) h = (h ^ c) * 1099511628211ull;
    return h;
}

class Salvataggi : private InMemoria, public ::testing::Test {
protected:
    ~Salvataggi() override { plat::set_file_call_hook({}); }
    // Every rename over a file named `nome` fails (a register of another
    // user in a shared folder), until the hook is cleared.
    static void rinomina_fallisce(const std::string& nome) {
        plat::set_file_call_hook([nome](std::string_view call, const std::string& percorso) {
            return call == "rename" && percorso.ends_with("/" + nome) ? EPERM : 0;
        });
    }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string programma(const std::string& nome) const { return b.cartella_programma() + nome; }
    const std::string record = std::string(plat::kSaveRecordName);
    test::Banco b;
};

// The payment of 200 counts but its journal is left to rename; the payment
// of 100 in the same session is refused until the first is finished, and
// the journal then holds both.
TEST_F(Salvataggi, TheNextSaveOfTheSessionFinishesTheOneLeftToCompleteAndLosesNothing) {
    dati_saldi(b);
    b.riavvia();
    pagamento(b.app(), "200");
    rinomina_fallisce("saldi2026.dat");
    clic(b, "saldoaff", "Command1");
    plat::set_file_call_hook({});
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), "NON RIPETERE"));

    pagamento(b.app(), "100");
    clic(b, "saldoaff", "Command1");
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), "RIPETERLA"));
    pagamento(b.app(), "100");
    clic(b, "saldoaff", "Command1");
    std::vector<long long> acconti;
    for (const std::string& riga : b.leggi(dati("saldi2026.dat"))) {
        auto c = plat::split(riga, "*");
        c.resize(9);
        if (numero(c[7]) == 1) acconti.push_back(centesimi(c[2]));
    }
    EXPECT_EQ(acconti, (std::vector<long long>{30000, 20000, 10000}));
    EXPECT_EQ(regole_violate(b), Righe{});
    EXPECT_FALSE(fs::exists(dati(record)));
}

// The data folder is the folder that holds the program folder (the home
// folder chosen): the settings' record lies with the settings.
TEST_F(Salvataggi, TheProgramFolderInsideTheDataFolderKeepsTheSettingsRecordWithTheSettings) {
    const std::string casa =
        fs::path(b.cartella_programma()).parent_path().parent_path().string() + "/";
    auto dati_in_casa = [&] {
        b.app().run([&] {
            b.app().imposta("MENU", "Text1", casa);
            imposta_percorsi_dati(b.app());
        });
    };
    b.riavvia();
    dati_in_casa();
    const std::string agenzia = b.byte(programma("AGENZIA.IND"));
    const std::string banche = b.byte(programma("BANCHE.IND"));
    apri_personalizza(b.app());
    rinomina_fallisce("BANCHE.IND");
    clic(b, "PersonalizzaAgenzia", "SALVA");
    plat::set_file_call_hook({});
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), "NON RIPETERE"));
    EXPECT_TRUE(fs::exists(programma(record)));
    EXPECT_FALSE(fs::exists(casa + record));

    b.riavvia();
    dati_in_casa();
    EXPECT_NE(b.byte(programma("AGENZIA.IND")), agenzia);
    EXPECT_NE(b.byte(programma("BANCHE.IND")), banche);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_FALSE(fs::exists(programma(record)));
}

// Another program starting on a shared folder while a save runs there
// (on another computer, in another process space: its process number says
// nothing) waits for that save, and removes none of its files.
TEST_F(Salvataggi, AStartNeverRemovesTheFilesOfASaveUnderWayInASharedFolder) {
    int pronto[2];
    ASSERT_EQ(::pipe(pronto), 0);
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        bool fermato = false;
        plat::set_file_call_hook([&](std::string_view call, const std::string&) {
            if (call == "rename" && !fermato) {
                fermato = true;
                [[maybe_unused]] const auto w = ::write(pronto[1], "x", 1);
                ::usleep(300'000);
            }
            return 0;
        });
        plat::SaveUnit unita;
        unita.rewrite(programma("UNO.IND"), {"NUOVO UNO"});
        unita.rewrite(programma("DUE.IND"), {"NUOVO DUE"});
        ::_exit(unita.commit() == plat::SaveUnit::Result::done ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(::read(pronto[0], &c, 1), 1);
    plat::remove_leftover_temporaries(b.cartella_programma());
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    EXPECT_EQ(b.leggi(programma("UNO.IND")), Righe{"NUOVO UNO"});
    EXPECT_EQ(b.leggi(programma("DUE.IND")), Righe{"NUOVO DUE"});
    ::close(pronto[0]);
    ::close(pronto[1]);
}

// Program B, on the same program folder, dies once its settings' save
// counted; program A's save finishes B's first and is done again: the two
// settings files are never one of each.
TEST_F(Salvataggi, TwoProgramsSavingTheSettingsInOneProgramFolderNeverMixThem) {
    b.riavvia();
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        apri_personalizza(b.app());
        b.app().type(b.app().campo("PersonalizzaAgenzia", "Text1"), "AGENZIA MARE");
        b.app().type(b.app().campo("PersonalizzaAgenzia", "Text14"), "BANCA DI LECCE");
        plat::set_file_call_hook([](std::string_view call, const std::string& percorso) {
            if (call == "rename" && percorso.ends_with("/AGENZIA.IND")) ::kill(::getpid(), SIGKILL);
            return 0;
        });
        clic(b, "PersonalizzaAgenzia", "SALVA");
        ::_exit(0);
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    ASSERT_TRUE(WIFSIGNALED(stato));
    auto di = [&](const char* agenzia, const char* banca) {
        return b.byte(programma("AGENZIA.IND")).find(agenzia) != std::string::npos &&
               b.byte(programma("BANCHE.IND")).find(banca) != std::string::npos;
    };

    apri_personalizza(b.app());
    clic(b, "PersonalizzaAgenzia", "SALVA");
    const Righe messaggi = b.nuovi_messaggi();
    EXPECT_TRUE(contiene(messaggi, "RIPETERLA")) << ::testing::PrintToString(messaggi);
    EXPECT_TRUE(di("AGENZIA MARE", "BANCA DI LECCE"));
    clic(b, "PersonalizzaAgenzia", "SALVA");
    EXPECT_TRUE(di("AGENZIA SOLE", "BANCA DI BARI"));
    EXPECT_FALSE(fs::exists(programma(record)));
}

// A save of one file is its rename made lasting: a folder that cannot be
// synced is a failed save, and the register stays as it was.
TEST_F(Salvataggi, AOneFileSaveWhoseFolderCannotBeSyncedFailsAndKeepsTheOldFile) {
    const std::string percorso = dati("clienti.dat");
    b.scrivi(percorso, {"VECCHIO"});
    plat::set_file_call_hook([](std::string_view call, const std::string& p) {
        std::error_code ec;
        return call == "fsync" && fs::is_directory(p, ec) ? EIO : 0;
    });
    EXPECT_FALSE(plat::rewrite_lines(percorso, {"NUOVO"}));
    EXPECT_EQ(b.leggi(percorso), Righe{"VECCHIO"});
    {
        plat::SaveUnit unita;
        unita.rewrite(percorso, {"NUOVO"});
        EXPECT_EQ(unita.commit(), plat::SaveUnit::Result::not_written);
    }
    EXPECT_EQ(b.leggi(percorso), Righe{"VECCHIO"});
    plat::set_file_call_hook({});
    for (const auto& e : fs::directory_iterator(b.cartella_dati()))
        EXPECT_FALSE(plat::is_program_work_file(e.path().filename().string()) &&
                     !plat::is_lock_file(e.path().filename().string()))
            << e.path();
}

// A data folder copied elsewhere while a balance was left half renamed: the
// program started on the copy finishes the copy, and leaves the original
// (its record, its temporary files, its registers) as it was.
TEST_F(Salvataggi, AFolderCopiedAfterACrashIsFinishedWhereItNowLies) {
    dati_saldi(b);
    b.riavvia();
    pagamento(b.app(), "");
    plat::set_file_call_hook([this](std::string_view call, const std::string& percorso) {
        return call == "rename" && !percorso.ends_with(record) ? EPERM : 0;
    });
    clic(b, "saldoaff", "Command1");
    plat::set_file_call_hook({});
    ASSERT_TRUE(fs::exists(dati(record)));
    auto contenuto = [this](const std::string& cartella) {
        Insieme out;
        for (const auto& e : fs::directory_iterator(cartella))
            if (!plat::is_lock_file(e.path().filename().string()))
                out[e.path().filename().string()] = b.byte(e.path().string());
        return out;
    };
    const std::string copia =
        fs::path(b.cartella_dati()).parent_path().parent_path().string() + "/chiavetta/";
    fs::copy(b.cartella_dati(), copia);
    const Insieme originale = contenuto(b.cartella_dati());
    b.nuovi_messaggi();
    b.app().run([&] {
        b.app().imposta("MENU", "Text1", copia);
        imposta_percorsi_dati(b.app());
    });
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), kCompletato));
    EXPECT_EQ(contenuto(b.cartella_dati()), originale);
    const Insieme finita = contenuto(copia);
    EXPECT_FALSE(finita.contains(record));
    for (const auto& [nome, byte] : finita) EXPECT_FALSE(plat::is_program_work_file(nome)) << nome;
    for (const char* nome : {"saldi2026.dat", "prenotazioni2026.dat"})
        EXPECT_NE(finita.at(nome), originale.at(nome)) << nome << " is still old in the copy";
}

// A record written before the renames carried their checksums is finished
// as it was: a rename whose temporary file is gone was done.
TEST_F(Salvataggi, ARecordWithoutChecksumsIsFinishedAsBefore) {
    const std::string provvisorio = dati("saldi2026.dat.GA-SALVA-0123456789abcdef-0.tmp");
    b.scrivi(dati("saldi2026.dat"), {"VECCHIO"});
    b.scrivi(provvisorio, {"NUOVO"});
    const std::string corpo = "SALVATAGGIO 1\nR " + std::to_string(provvisorio.size()) + ":" +
                              provvisorio + " " + std::to_string(dati("saldi2026.dat").size()) +
                              ":" + dati("saldi2026.dat") + "\nR 10:/manca.tmp 8:/manca.x\n";
    std::ofstream(dati(record), std::ios::binary)
        << corpo << "FINE 2 " << std::to_string(fnv(corpo)) << "\n";
    EXPECT_EQ(plat::complete_interrupted_save(b.cartella_dati()), plat::Recovery::completed);
    EXPECT_EQ(b.leggi(dati("saldi2026.dat")), Righe{"NUOVO"});
}

// What lies under the record's name at the start and cannot be finished:
// the user is told what it is; it stays, with the files it names; and
// nothing is saved meanwhile.
struct Ingombro {
    const char* nome;
    std::function<void(const std::string& record, const std::string& provvisorio)> metti;
    const char* messaggio;
};

const Ingombro kIngombri[] = {
    {"RecordDiUnaVersionePiuRecente",
     [](const std::string& record, const std::string& provvisorio) {
         const std::string corpo = "SALVATAGGIO 9\nX " + provvisorio + "\n";
         std::ofstream(record, std::ios::binary)
             << corpo << "FINE 1 " << std::to_string(fnv(corpo)) << "\n";
     },
     "VERSIONE PIU' RECENTE"},
    {"CartellaColNomeDelRecord",
     [](const std::string& record, const std::string&) { fs::create_directory(record); },
     "SALVATAGGIO_IN_CORSO.LOG, CHE NON E' UN FILE"},
};

class RecordIngombrante : private InMemoria, public ::testing::TestWithParam<Ingombro> {
protected:
    test::Banco b;
};

TEST_P(RecordIngombrante, IsToldAndKeptWithItsFilesAndNothingIsSaved) {
    dati_saldi(b);
    const std::string record = b.cartella_dati() + std::string(plat::kSaveRecordName);
    const std::string provvisorio =
        b.cartella_dati() + "saldi2026.dat.GA-SALVA-0123456789abcdef-0.tmp";
    b.scrivi(provvisorio, {"NUOVO"});
    GetParam().metti(record, provvisorio);
    const std::string saldi = b.byte(b.cartella_dati() + "saldi2026.dat");
    b.riavvia();
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), GetParam().messaggio));

    pagamento(b.app(), "200");
    clic(b, "saldoaff", "Command1");
    EXPECT_TRUE(contiene(b.nuovi_messaggi(), GetParam().messaggio));
    EXPECT_EQ(b.byte(b.cartella_dati() + "saldi2026.dat"), saldi);
    EXPECT_TRUE(fs::exists(record));
    EXPECT_TRUE(fs::exists(provvisorio));
}

INSTANTIATE_TEST_SUITE_P(Ogni, RecordIngombrante, ::testing::ValuesIn(kIngombri),
                         [](const ::testing::TestParamInfo<Ingombro>& info) {
                             return std::string(info.param.nome);
                         });

}  // namespace
}  // namespace ga
