#include "archivio_pieno.h"

#include <unistd.h>
#include <atomic>
#include <cmath>
#include <fstream>
#include <sstream>

#include <QApplication>

#include "gui/desktop.h"
#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/scripted.h"
#include "platform/text.h"
#include "program/programma.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

const char* const kCognomi[] = {
    "ROSSI",   "RUSSO",   "FERRARI",   "ESPOSITO", "BIANCHI",    "ROMANO",  "COLOMBO",
    "RICCI",   "MARINO",  "GRECO",     "BRUNO",    "GALLO",      "CONTI",   "DE LUCA",
    "MANCINI", "COSTA",   "GIORDANO",  "RIZZO",    "LOMBARDI",   "MORETTI", "BARBIERI",
    "FONTANA", "SANTORO", "MARIANI",   "RINALDI",  "CARUSO",     "FERRARA", "GALLI",
    "MARTINI", "LEONE",   "LONGO",     "GENTILE",  "MARTINELLI", "VITALE",  "LOMBARDO",
    "SERRA",   "COPPOLA", "DE SANTIS", "D'ANGELO", "MARCHETTI",  "PARISI",  "VILLA",
    "CONTE",   "FERRO",   "FABBRI",    "BIANCO",   "MARINI",     "GRASSO",  "VALENTINI",
    "MESSINA"};
const char* const kNomi[] = {
    "MARIO",   "GIUSEPPE", "ANTONIO", "LUCA",       "MARCO",     "FRANCESCO", "ANDREA", "GIOVANNI",
    "ROBERTO", "STEFANO",  "PAOLO",   "ALESSANDRO", "MASSIMO",   "DAVIDE",    "MATTEO", "LORENZO",
    "SIMONE",  "FABIO",    "CARLO",   "RICCARDO",   "ANNA",      "MARIA",     "GIULIA", "FRANCESCA",
    "LAURA",   "SARA",     "CHIARA",  "ELENA",      "VALENTINA", "SILVIA",    "PAOLA",  "MARTINA",
    "ALESSIA", "FEDERICA", "ROBERTA", "CRISTINA",   "MONICA",    "BARBARA",   "ELISA",  "GIORGIA"};
constexpr int kNCognomi = sizeof kCognomi / sizeof *kCognomi;
constexpr int kNNomi = sizeof kNomi / sizeof *kNomi;

struct Citta {
    const char *cap, *nome, *provincia, *prefisso;
};
const Citta kCitta[] = {{"70100", "BARI", "BA", "080"},    {"00100", "ROMA", "RM", "06"},
                        {"20100", "MILANO", "MI", "02"},   {"80100", "NAPOLI", "NA", "081"},
                        {"10100", "TORINO", "TO", "011"},  {"73100", "LECCE", "LE", "0832"},
                        {"50100", "FIRENZE", "FI", "055"}, {"40100", "BOLOGNA", "BO", "051"}};
constexpr int kNCitta = sizeof kCitta / sizeof *kCitta;

const char* const kStrade[] = {"VIA", "VIALE", "CORSO", "PIAZZA", "LUNGOMARE"};
const char* const kNote[] = {"ARRIVO IN TARDA SERATA",       "CON CANE DI PICCOLA TAGLIA",
                             "CULLA PER IL BAMBINO",         "CHIAVI DA RITIRARE IN AGENZIA",
                             "SALDO ALL'ARRIVO IN CONTANTI", "RICHIESTO POSTO AUTO",
                             "CLIENTE DELL'ANNO SCORSO",     "LENZUOLA PER QUATTRO PERSONE"};
const char* const kSpese[] = {"RIPARAZIONE CALDAIA", "SOSTITUZIONE SERRATURA",
                              "PULIZIA STRAORDINARIA", "IMBIANCATURA CAMERA",
                              "RIPARAZIONE CONDIZIONATORE"};
const char* const kTipi[] = {"MON", "BIL", "TRI", "QUA"};
const char* const kLetti[] = {"2", "4", "4+2", "6"};

constexpr int kProprietari = 200, kAppartamenti = 500, kVie = 500, kPeriodi = 1000, kBanche = 100,
              kSpeseN = 100, kFatture = 100;
// The tables' capacity for the clients, bookings, notes and journal.
constexpr int kCapacita = 1000;

// The further names that tell apart the records of round `giro` (0: none) of
// a list of names that repeats: round 1 adds one name, round 41 two ...,
// each round its own sequence of names whatever the scale.
std::string altri_nomi(int giro) {
    std::string out;
    for (; giro > 0; giro = (giro - 1) / kNNomi)
        out += std::string(" ") + kNomi[(giro - 1) % kNNomi];
    return out;
}

std::string codice(int n, int larghezza = 4) {
    return plat::pad_code(std::to_string(n), larghezza);
}
std::string importo(double v) { return plat::format_amount(v); }
plat::Date giorno(int g, int m) { return plat::Date::from_dmy(g, m, kAnno).value(); }

// A fiscal code of the right shape: three letters of the surname, three of
// the name, year, month letter, day, town and check letter.
std::string codice_fiscale(const std::string& cognome, const std::string& nome, int n) {
    auto lettere = [](const std::string& t) {
        std::string out;
        for (char c : t)
            if (c >= 'A' && c <= 'Z' && out.size() < 3) out += c;
        while (out.size() < 3) out += 'X';
        return out;
    };
    const char mesi[] = "ABCDEHLMPRST";
    return lettere(cognome) + lettere(nome) + plat::pad_left(std::to_string(50 + n % 50), 2, '0') +
           mesi[n % 12] + plat::pad_left(std::to_string(1 + n % 28), 2, '0') + "A662" +
           static_cast<char>('A' + n % 26);
}

// How a booking stands: settled, revoked or still open.
enum class Stato { saldata, revocata, aperta };

struct Prenotazione {
    int appartamento, cliente, periodo;
    plat::Date arrivo, partenza;
    double affitto, acconto;
    Stato stato;
    std::string collegamento;  // the movement that closed it
};

}  // namespace

plat::Date oggi() { return giorno(20, 7); }

ArchivioPieno::ArchivioPieno(int liberi, int scala, bool ogni_registro) {
    // The owners, apartments, streets, periods, banks, expenses and invoices
    // grow with the scale only when every register does.
    const int r = ogni_registro ? scala : 1;
    const int n_proprietari = kProprietari * r, n_appartamenti = kAppartamenti * r,
              n_vie = kVie * r, n_periodi = kPeriodi * r, n_banche = kBanche * r,
              n_spese = kSpeseN * r, n_fatture = kFatture * r;
    appartamenti_ = n_appartamenti;
    periodi_ = n_periodi;
    fatture_ = n_fatture;
    const int kClienti = kCapacita * scala, kPrenotazioni = kCapacita * scala,
              kNoteN = kCapacita * scala, kMovimenti = kCapacita * scala;
    static std::atomic<int> numero{0};
    radice_ = fs::temp_directory_path() /
              ("archivio_pieno_" + std::to_string(getpid()) + "_" + std::to_string(numero++));
    fs::remove_all(radice_);
    fs::create_directories(radice_ / "programma");
    fs::create_directories(radice_ / "dati");
    fs::copy(BENCH_DATA_FOLDER, radice_ / "programma",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    programma_ = (radice_ / "programma").string() + "/";
    dati_ = (radice_ / "dati").string() + "/";
    const std::string anno = std::to_string(kAnno);

    // --- program folder: agency, banks, the data-folder pointer ---
    scrivi(programma_ + "AGENZIA.IND",
           {"AGENZIA DEL SOLE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*333 1234567*"
            "100*10*22*200*50*info@sole.it*30*33054*17*10*16*10*15*10*16*10*1**si*10*20"});
    std::vector<std::string> banche;
    for (int i = 1; i <= n_banche; ++i) {
        const Citta& c = kCitta[i % kNCitta];
        banche.push_back(std::string("BANCA DI ") + c.nome + ",AGENZIA " + std::to_string(i) + "," +
                         plat::pad_left(std::to_string(100000 + i * 37), 9, '0') + ",AB" +
                         std::to_string(10 + i % 90) + "," + c.nome + ",IT60X05428111010000" +
                         plat::pad_left(std::to_string(i * 7919), 8, '0') + "," +
                         codice((i - 1) % n_proprietari + 1));
    }
    scrivi(programma_ + "BANCHE.IND", banche);
    scrivi(programma_ + "cartella.txt", {dati_ + ",$$"});

    // --- streets, owners, apartments, clients ---
    std::vector<std::string> righe;
    for (int k = 0; k < n_vie; ++k)
        righe.push_back(codice(k + 1) + "**" + kStrade[k % 5] + " " + kNomi[k % kNNomi] + " " +
                        kCognomi[(k / kNNomi) % kNCognomi] + "* $$");
    scrivi(dati_ + "Vie.dat", righe);

    righe.clear();
    for (int j = 0; j < n_proprietari; ++j) {
        // Past the table's capacity, a second name keeps each owner's name
        // his own, as the clients'.
        const int giro = j / kProprietari;
        const std::string cognome = kCognomi[(j * 3 + 7) % kNCognomi],
                          nome = std::string(kNomi[(j * 7 + 3) % kNNomi]) + altri_nomi(giro);
        const Citta& c = kCitta[j % kNCitta];
        proprietari_.push_back(cognome + " " + nome);
        righe.push_back(cognome + " " + nome + "*VIA " + kNomi[j % kNNomi] + " " +
                        std::to_string(j % 80 + 1) + "*" + c.nome + "*" + c.provincia + "*" +
                        c.cap + "*" + c.prefisso + " " + std::to_string(400000 + j * 13) + "*" +
                        codice(j + 1) + "*" + codice_fiscale(cognome, nome, j) + "*" +
                        (j % 5 == 4 ? "CONTR" : "PROVV") + "*proprietario" + std::to_string(j + 1) +
                        "@posta.it");
    }
    scrivi(dati_ + "proprietari.IND", righe);

    righe.clear();
    for (int a = 1; a <= n_appartamenti; ++a)
        righe.push_back(codice((a - 1) % n_proprietari + 1) + "*" + codice(a, 3) + "*" +
                        std::to_string(a % 90 + 1) + "*" + kTipi[a % 4] + "*1*" +
                        (a % 5 == 0 ? "2" : "1") + "*" + (a % 3 == 0 ? "NO" : "SI") + "*" +
                        std::to_string(a % 4) + "*" + kLetti[a % 4] + "*ESTIVO**" +
                        (a % 7 == 0 ? "VISTA MARE" : "") + "*" + codice(a));
    scrivi(dati_ + "appartamenti.ind", righe);

    righe.clear();
    for (int i = 0; i < kClienti; ++i) {
        const std::string cognome = kCognomi[i % kNCognomi];
        // Past the pairs of a surname and a name, a second name keeps each
        // client's name his own.
        const int giro = i / (kNCognomi * kNNomi);
        const std::string nome = std::string(kNomi[(i / kNCognomi) % kNNomi]) + altri_nomi(giro);
        const Citta& c = kCitta[(i / 3) % kNCitta];
        clienti_.push_back(cognome + " " + nome);
        righe.push_back(
            codice(i + 1) + "*" + cognome + " " + nome + "*VIA " + kCognomi[(i * 7) % kNCognomi] +
            " " + std::to_string(i % 120 + 1) + "*" + c.cap + "*" + c.nome + "*" + c.prefisso +
            " " + std::to_string(500000 + i * 17) + "*" + c.provincia + "*" +
            codice_fiscale(cognome, nome, i) + "*cliente" + std::to_string(i + 1) + "@posta.it");
    }
    scrivi(dati_ + "clienti.dat", righe);

    // --- periods: two a apartment, one rented and one free, June to October ---
    auto inizio_periodo = [](int p) {
        const int a = (p + 1) / 2;
        const int quindicina = a % 5 + (p % 2 == 0 ? 5 : 0);
        return giorno(1, 6).add_days(15L * quindicina);
    };
    righe.clear();
    for (int p = 1; p <= n_periodi; ++p) {
        const int a = (p + 1) / 2;
        const plat::Date dal = inizio_periodo(p);
        righe.push_back(codice(a) + "*" + dal.text() + "*" + dal.add_days(14).text() + "*" +
                        importo(500 + (a % 10) * 100) + "*" + (p % 2 == 0 ? "LIB" : "AFF"));
    }
    scrivi(dati_ + "periodi" + anno + ".ind", righe);

    // --- bookings over the season: most of those already begun are settled,
    // some revoked, some still open; those to come are open ---
    const int n_prenotazioni = kPrenotazioni - liberi;
    prenotazioni_ = n_prenotazioni;
    std::vector<Prenotazione> prenotazioni;
    for (int b = 1; b <= n_prenotazioni; ++b) {
        Prenotazione p;
        p.appartamento = (b - 1) % n_appartamenti + 1;
        p.cliente = (b * 37) % kClienti + 1;
        p.periodo = b <= n_appartamenti ? 2 * p.appartamento - 1 : 2 * p.appartamento;
        p.arrivo = giorno(1, 5).add_days((b * 7) % 150);
        p.partenza = p.arrivo.add_days(b % 3 == 0 ? 14 : 7);
        p.affitto = 400 + (b % 12) * 75;
        p.acconto = std::round(p.affitto * 0.3);
        const int r = b % 10;
        p.stato = r == 6                       ? Stato::revocata
                  : p.arrivo < oggi() && r < 6 ? Stato::saldata
                                               : Stato::aperta;
        prenotazioni.push_back(p);
        if (cliente_aperta_.empty() && p.stato == Stato::aperta && !(p.arrivo < oggi()))
            cliente_aperta_ = clienti_[static_cast<std::size_t>(p.cliente - 1)];
    }

    // --- the journal: the advances of the bookings, then balances, refunds
    // of revoked bookings, payouts to owners and expenses ---
    const int n_movimenti = kMovimenti - liberi;
    std::vector<std::string> movimenti;
    auto proprietario_di = [n_proprietari](int a) { return codice((a - 1) % n_proprietari + 1); };
    for (int b = 1; b <= n_prenotazioni && movimenti.size() < static_cast<std::size_t>(600 * scala);
         ++b) {
        const Prenotazione& p = prenotazioni[b - 1];
        movimenti.push_back(p.arrivo.add_days(-40).text() + "*" + proprietario_di(p.appartamento) +
                            "*" + importo(p.acconto) + "*100,00*0*50,00*200,00*" +
                            std::to_string(b) + "*" + codice(p.appartamento));
    }
    for (int b = 1; b <= n_prenotazioni && movimenti.size() < static_cast<std::size_t>(850 * scala);
         ++b) {
        Prenotazione& p = prenotazioni[b - 1];
        if (p.stato != Stato::saldata) continue;
        movimenti.push_back(p.arrivo.text() + "*" + proprietario_di(p.appartamento) + "*0*" +
                            importo(p.affitto - p.acconto) + "*100,00*50,00*200,00*" +
                            std::to_string(b) + "*" + codice(p.appartamento));
        p.collegamento = std::to_string(movimenti.size());
    }
    for (int b = 1; b <= n_prenotazioni && movimenti.size() < static_cast<std::size_t>(900 * scala);
         ++b) {
        Prenotazione& p = prenotazioni[b - 1];
        if (p.stato != Stato::revocata) continue;
        movimenti.push_back(p.arrivo.add_days(-10).text() + "*" + proprietario_di(p.appartamento) +
                            "*" + importo(-p.acconto) + "*0*0*0*0*" + std::to_string(b) + "*" +
                            codice(p.appartamento));
        p.collegamento = "REVOC" + plat::pad_left(std::to_string(movimenti.size()), 3, '0');
    }
    for (int j = 0; movimenti.size() < static_cast<std::size_t>(950 * scala); ++j)
        movimenti.push_back(giorno(1, 7).add_days(j % 19).text() + "*" +
                            codice(j % n_proprietari + 1) + "*0*0*" + importo(500 + (j % 4) * 250) +
                            "*0*0**");
    for (int e = 1; movimenti.size() < static_cast<std::size_t>(kMovimenti); ++e)
        movimenti.push_back(giorno(1, 6).add_days(e).text() + "*" +
                            proprietario_di(e * 9 % n_appartamenti + 1) + "*0*0*" +
                            importo(80 + e * 5) + "*0*0*" + std::to_string(e) + "*" +
                            codice(e * 9 % n_appartamenti + 1));
    movimenti.resize(static_cast<std::size_t>(n_movimenti));
    scrivi(dati_ + "saldi" + anno + ".dat", movimenti);

    righe.clear();
    for (int b = 1; b <= n_prenotazioni; ++b) {
        const Prenotazione& p = prenotazioni[b - 1];
        const std::string chiusura = p.stato == Stato::aperta     ? std::string(plat::kNoDate)
                                     : p.stato == Stato::revocata ? p.arrivo.add_days(-10).text()
                                                                  : p.arrivo.text();
        righe.push_back(
            codice(p.appartamento) + "*" + codice(p.cliente) + "*" + p.arrivo.text() + "*" +
            p.partenza.text() + "*" + (p.stato == Stato::revocata ? "0,00" : importo(p.affitto)) +
            "*" + importo(p.acconto) + "*" + (b % 4 == 0 ? "ND" : "100,00") + "*50,00*200,00*" +
            chiusura + "*" + (b % 2 == 0 ? std::to_string(b) : "") + "*" + p.collegamento + "*" +
            std::to_string(p.periodo) + "*" + (b % 5 == 0 ? "1" : "") + "***");
    }
    scrivi(dati_ + "prenotazioni" + anno + ".dat", righe);

    righe.clear();
    for (int n = 1; n <= kNoteN - liberi; ++n)
        righe.push_back(std::string(kNote[n % 8]) + "*" + std::to_string(n) + "*" +
                        codice((n - 1) % n_appartamenti + 1));
    scrivi(dati_ + "noteaff" + anno + ".dat", righe);

    righe.clear();
    for (int e = 1; e <= n_spese; ++e)
        righe.push_back(codice(e * 9 % n_appartamenti + 1) + "*" + kSpese[e % 5] + "*" +
                        std::to_string(950 + e));
    scrivi(dati_ + "spese" + anno + ".dat", righe);

    righe.clear();
    for (int f = 1; f <= n_fatture; ++f) {
        const bool cliente = f % 3 != 0;
        const double imponibile = 100 + f * 10;
        righe.push_back(giorno(1, 6).add_days(f).text() + "*" + std::to_string(f) + "*" +
                        (cliente ? codice(f * 7 % kClienti + 1) : "") + "*" +
                        (cliente ? "" : codice(f % n_proprietari + 1)) + "*INTERMEDIAZIONE*" +
                        importo(imponibile) + "*" + importo(imponibile * 0.22) + "*1*0,00*" +
                        importo(imponibile * 1.22));
    }
    scrivi(dati_ + "fatture" + anno + ".dat", righe);
    // On disk before any figure is taken: the system writing megabytes of a
    // new archive back while an action runs would time the disk, not the
    // program (a save's synced writes would wait for all of it).
    ::sync();
}

ArchivioPieno::~ArchivioPieno() {
    std::error_code ec;
    fs::remove_all(radice_, ec);
}

void ArchivioPieno::scrivi(const std::string& percorso,
                           const std::vector<std::string>& righe) const {
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    for (const auto& r : righe) out << plat::utf8_to_cp1252(r) << "\r\n";
}

std::string ArchivioPieno::byte(const std::string& percorso) const {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void ArchivioPieno::ripristina(const std::string& percorso, const std::string& byte) const {
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    out << byte;
}

// --- the program ----------------------------------------------------------------

Programma::Programma(const std::string& cartella_programma, bool finestre) {
    plat::Services servizi;
    servizi.messages = std::make_unique<plat::ScriptedMessages>();
    servizi.printer = std::make_unique<plat::RecordingPrinter>();
    servizi.clock = std::make_unique<plat::FixedClock>(oggi());
    servizi.user = std::make_unique<plat::FixedUser>("mario");
    servizi.program_folder = cartella_programma;
    app_ = ga::crea_applicazione(std::move(servizi));
    if (finestre) desktop_ = std::make_unique<gui::Desktop>(*app_);
}

Programma::~Programma() {
    desktop_.reset();
    app_.reset();
    assesta();
}

void Programma::avvia() {
    ga::avvia(*app_);
    if (finestre()) assesta();
}

void Programma::fino_al_menu() {
    ga::App& a = *app_;
    a.click(*a.form("zeltra")->control("AVANTI"));
    if (plat::Form* avvisi = a.form("controlloentruscit"); avvisi && avvisi->is_visible())
        a.click(*avvisi->control("ESCI"));
    if (finestre()) assesta();
}

void Programma::assesta() {
    if (!QCoreApplication::instance()) return;
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace bench
