// The printer service against a real print service: a private cupsd of the
// test's own (its own folder and socket, a raw queue), started per test and
// ended after it. Where the machine has no cupsd, or it does not answer in
// time, the tests that need it are skipped and say why.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <cups/cups.h>
#include <QApplication>
#include <QCursor>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "gui/stampa.h"
#include "qt_app.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kCupsd = "/usr/sbin/cupsd";
const std::string kComandi = "/usr/sbin/";

std::string leggi(const fs::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

plat::PrintJob ricevuta(const fs::path& cartella) {
    plat::PrintJob job;
    job.template_path = std::string(SOURCE_DATA_FOLDER) + "stampe/prenotazione.xls";
    job.sheet = "Foglio1";
    job.cells = {{1, 1, "RICEVUTA PRENOTAZIONE LOCAZIONE STAGIONALE "},
                 {3, 2, "Spett.le Signor BIANCHI"}};
    job.pdf_path = (cartella / "ricevuta_001.pdf").string();
    return job;
}

// Between the program and the test's cupsd, on a socket of its own: passes
// the program's bytes on, and the service's answers back until it holds
// them: every answer (a service that takes the connection and never
// answers), or those after the program started sending a document, on
// every connection or only on that one (the answer to the document late).
class Intermediario {
public:
    enum Tace { Subito, DalDocumento, SoloIlDocumento };
    Intermediario(std::string cupsd, std::string presa, Tace tace)
        : cupsd_(std::move(cupsd)), presa_(std::move(presa)), tace_(tace) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        presa_.copy(a.sun_path, sizeof a.sun_path - 1);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_, 16);
        fili_.emplace_back([this] { accetta(); });
    }
    ~Intermediario() {
        fine_ = true;
        for (std::thread& t : fili_) t.join();
        ::close(fd_);
    }
    const std::string& presa() const { return presa_; }

private:
    static int collega(const std::string& percorso) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        percorso.copy(a.sun_path, sizeof a.sun_path - 1);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }
    void accetta() {
        std::vector<std::thread> connessioni;
        while (!fine_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            const int programma = ::accept(fd_, nullptr, nullptr);
            if (programma >= 0) connessioni.emplace_back([this, programma] { passa(programma); });
        }
        for (std::thread& t : connessioni) t.join();
    }
    void passa(int programma) {
        const int servizio = collega(cupsd_);
        bool documento = false, servizio_aperto = servizio >= 0;
        char buf[65536];
        while (!fine_) {
            pollfd p[2] = {{programma, POLLIN, 0}, {servizio_aperto ? servizio : -1, POLLIN, 0}};
            if (::poll(p, 2, 50) <= 0) continue;
            if (p[0].revents) {
                const ssize_t n = ::read(programma, buf, sizeof buf);
                if (n <= 0) break;
                if (std::string_view(buf, static_cast<std::size_t>(n)).find("%PDF") !=
                    std::string_view::npos) {
                    documento = true;
                    if (tace_ == DalDocumento) tutti_tacciono_ = true;
                }
                if (servizio_aperto &&
                    ::send(servizio, buf, static_cast<std::size_t>(n), MSG_NOSIGNAL) < 0)
                    servizio_aperto = false;
            }
            if (p[1].revents) {
                const ssize_t n = ::read(servizio, buf, sizeof buf);
                if (n <= 0) {
                    servizio_aperto = false;
                    continue;
                }
                const bool tace = tace_ == Subito || tutti_tacciono_ || documento;
                if (!tace) ::send(programma, buf, static_cast<std::size_t>(n), MSG_NOSIGNAL);
            }
        }
        ::close(programma);
        if (servizio >= 0) ::close(servizio);
    }

    std::string cupsd_, presa_;
    Tace tace_;
    int fd_ = -1;
    std::atomic<bool> fine_{false}, tutti_tacciono_{false};
    std::vector<std::thread> fili_;
};

class CodaCups : public ::testing::Test {
protected:
    void SetUp() override {
        gui_test::qt_app();
        char modello[] = "/tmp/coda_XXXXXX";  // a socket's path must stay short
        ASSERT_NE(::mkdtemp(modello), nullptr);
        cartella = modello;
        presa = (cartella / "cups.sock").string();
        registro = (cartella / "registro.txt").string();
        if (!fs::exists(kCupsd)) GTEST_SKIP() << "no cupsd on this machine (" << kCupsd << ")";
        avvia();
        if (!risponde()) GTEST_SKIP() << "the test's cupsd does not answer:\n" << leggi(registro);
        // A service that cannot make a queue here (not run as root, say) is
        // the machine's limit, not the program's fault.
        if (comando("lpadmin -p Ufficio -E -v file:///dev/null -m raw") != 0 ||
            comando("lpadmin -d Ufficio") != 0)
            GTEST_SKIP() << "the test's cupsd makes no queue:\n" << leggi(registro);
    }
    void TearDown() override {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            int stato = 0;
            for (int i = 0; i < 100 && ::waitpid(pid, &stato, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(50ms);
            if (::waitpid(pid, &stato, WNOHANG) == 0) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &stato, 0);
            }
        }
        std::error_code e;
        fs::remove_all(cartella, e);
    }

    // More of cupsd.conf, for a service set up otherwise.
    virtual std::string piu_conf() const { return ""; }

    // cupsd in the foreground, within a time limit of its own, so that not
    // even a test killed half-way leaves it running.
    void avvia() {
        const std::string d = cartella.string();
        for (const char* sotto : {"spool/tmp", "cache", "state", "ppd"})
            fs::create_directories(cartella / sotto);
        std::ofstream(cartella / "cupsd.conf")
            << "Listen " << presa << "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
            << "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            << "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
            << "  </Limit>\n</Policy>\n"
            << piu_conf();
        std::ofstream(cartella / "cups-files.conf")
            << "ServerRoot " << d << "\nRequestRoot " << d << "/spool\nTempDir " << d
            << "/spool/tmp\nCacheDir " << d << "/cache\nStateDir " << d << "/state\nErrorLog "
            << registro << "\nAccessLog " << d << "/accessi.txt\nPageLog " << d
            << "/pagine.txt\nFileDevice Yes\n";
        const std::string conf = d + "/cupsd.conf", files = d + "/cups-files.conf";
        const int uscita = ::open(registro.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        pid = ::fork();
        if (pid == 0) {
            ::dup2(uscita, 1);
            ::dup2(uscita, 2);
            ::execl("/usr/bin/timeout", "timeout", "120", kCupsd.c_str(), "-f", "-c", conf.c_str(),
                    "-s", files.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        ::close(uscita);
    }
    bool risponde() {
        for (int i = 0; i < 100; ++i) {
            if (http_t* http = httpConnect2(presa.c_str(), ippPort(), nullptr, AF_UNSPEC,
                                            HTTP_ENCRYPTION_NEVER, 1, 200, nullptr)) {
                httpClose(http);
                return true;
            }
            if (::waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = 0;
                return false;
            }
            std::this_thread::sleep_for(100ms);
        }
        return false;
    }
    // One of the print service's commands, on the test's service, bounded in time.
    // The server goes first: lpadmin acts on each option as it reads it.
    int comando(const std::string& riga) {
        const std::size_t blank = riga.find(' ');
        return std::system(("timeout 20 " + kComandi + riga.substr(0, blank) + " -h " + presa +
                            riga.substr(blank) + " >>" + registro + " 2>&1 </dev/null")
                               .c_str());
    }
    // The jobs of a queue: every one, or those still to print.
    int lavori(const char* coda, int quali) {
        http_t* http = httpConnect2(presa.c_str(), ippPort(), nullptr, AF_UNSPEC,
                                    HTTP_ENCRYPTION_NEVER, 1, 2000, nullptr);
        if (!http) return -1;
        cups_job_t* elenco = nullptr;
        const int n = cupsGetJobs2(http, &elenco, coda, 0, quali);
        cupsFreeJobs(n, elenco);
        httpClose(http);
        return n;
    }

    fs::path cartella;
    std::string presa, registro;
    pid_t pid = 0;
};

TEST_F(CodaCups, AJobTheDefaultQueueTakesIsToldPrintedOnIt) {
    gui::QtPrinter stampante{true, presa};
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_EQ(r.outcome, plat::PrintOutcome::Printed) << r.error;
    EXPECT_EQ(r.where, "Ufficio");
    EXPECT_EQ(lavori("Ufficio", CUPS_WHICHJOBS_ALL), 1);
    EXPECT_FALSE(fs::exists(cartella / "ricevuta_001.pdf"));
}

struct CasoCoda {
    const char* nome;
    const char* comando;
    plat::PrintOutcome esito;
    const char* errore;
    const char* motivo;
    int in_coda;  // jobs waiting on the queue afterwards
};
void PrintTo(const CasoCoda& c, std::ostream* os) { *os << c.nome; }

class CodaCupsFerma : public CodaCups, public ::testing::WithParamInterface<CasoCoda> {};

TEST_P(CodaCupsFerma, AQueueThatRefusesOrHoldsTheJobIsToldWithItsReason) {
    const CasoCoda& c = GetParam();
    ASSERT_EQ(comando(c.comando), 0) << leggi(registro);
    gui::QtPrinter stampante{true, presa};
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_EQ(r.outcome, c.esito);
    EXPECT_EQ(r.where, "Ufficio");
    EXPECT_EQ(r.error, c.errore);
    EXPECT_EQ(r.reason, c.motivo);
    EXPECT_EQ(lavori("Ufficio", CUPS_WHICHJOBS_ACTIVE), c.in_coda);
    EXPECT_FALSE(fs::exists(cartella / "ricevuta_001.pdf"));
    // What waits on the queue is the whole document.
    if (c.in_coda == 1) {
        const std::string spool = leggi(cartella / "spool" / "d00001-001");
        EXPECT_TRUE(spool.starts_with("%PDF") && spool.find("%%EOF") != std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Coda, CodaCupsFerma,
    ::testing::Values(CasoCoda{"Rejecting", "cupsreject -r \"coda chiusa\" Ufficio",
                               plat::PrintOutcome::Refused,
                               "LA STAMPANTE Ufficio NON ACCETTA STAMPE: coda chiusa.",
                               "coda chiusa", 0},
                      CasoCoda{"Disabled", "cupsdisable -r \"carta inceppata\" Ufficio",
                               plat::PrintOutcome::Held, "", "carta inceppata", 1}),
    [](const auto& info) { return std::string(info.param.nome); });

// A service that stops taking the document part-way (it takes no request
// larger than 4 KB, the page is larger).
class CodaCupsCorta : public CodaCups {
protected:
    std::string piu_conf() const override { return "MaxRequestSize 4k\n"; }
};

TEST_F(CodaCupsCorta, AJobThatDidNotGetItsDocumentWholeIsRefusedAndCancelled) {
    gui::QtPrinter stampante{true, presa};
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_EQ(r.outcome, plat::PrintOutcome::Refused);
    EXPECT_TRUE(r.error.starts_with("LA STAMPANTE Ufficio NON HA PRESO LA STAMPA")) << r.error;
    // The job was made, and cancelled: nothing of it prints.
    EXPECT_EQ(lavori("Ufficio", CUPS_WHICHJOBS_ALL), 1);
    EXPECT_EQ(lavori("Ufficio", CUPS_WHICHJOBS_ACTIVE), 0);
    EXPECT_FALSE(fs::exists(cartella / "ricevuta_001.pdf"));
}

// The service's answer to the document does not come: the job counts as
// taken only when the service, asked again, says it has it whole.
struct CasoTardi {
    const char* nome;
    bool corta;  // the service takes no request over 4 KB: it refuses the document
    Intermediario::Tace tace;
    plat::PrintOutcome esito;
    const char* errore;
    int attivi;  // jobs still to print afterwards
};
void PrintTo(const CasoTardi& c, std::ostream* os) { *os << c.nome; }

class CodaCupsTardi : public CodaCups, public ::testing::WithParamInterface<CasoTardi> {
protected:
    std::string piu_conf() const override { return GetParam().corta ? "MaxRequestSize 4k\n" : ""; }
};

TEST_P(CodaCupsTardi, AJobIsToldTakenOnlyWhenTheServiceSaysSo) {
    const CasoTardi& c = GetParam();
    const Intermediario tra(presa, (cartella / "tra.sock").string(), c.tace);
    gui::QtPrinter stampante{true, tra.presa()};
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_EQ(r.outcome, c.esito);
    EXPECT_EQ(r.where, "Ufficio");
    EXPECT_TRUE(r.error.starts_with(c.errore)) << r.error;
    EXPECT_FALSE(fs::exists(cartella / "ricevuta_001.pdf"));
    EXPECT_EQ(lavori("Ufficio", CUPS_WHICHJOBS_ACTIVE), c.attivi);
}

INSTANTIATE_TEST_SUITE_P(
    Coda, CodaCupsTardi,
    ::testing::Values(
        CasoTardi{"RefusedAndNothingHeardAfter", true, Intermediario::DalDocumento,
                  plat::PrintOutcome::Unknown,
                  "IL SERVIZIO DI STAMPA NON HA RISPOSTO: NON SI SA SE LA STAMPANTE Ufficio HA "
                  "PRESO LA STAMPA.",
                  1},
        CasoTardi{"RefusedAndToldSoWhenAsked", true, Intermediario::SoloIlDocumento,
                  plat::PrintOutcome::Refused, "LA STAMPANTE Ufficio NON HA PRESO LA STAMPA", 0},
        CasoTardi{"TakenAndToldSoWhenAsked", false, Intermediario::SoloIlDocumento,
                  plat::PrintOutcome::Printed, "", 0}),
    [](const auto& info) { return std::string(info.param.nome); });

// A window that counts its paintings.
class Dipinta : public QWidget {
public:
    int volte = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++volte; }
};

struct CasoMuto {
    const char* nome;
    Intermediario::Tace tace;
    const char* testo;  // what the waiting box says
};
void PrintTo(const CasoMuto& c, std::ostream* os) { *os << c.nome; }

class CodaCupsMuta : public CodaCups, public ::testing::WithParamInterface<CasoMuto> {};

TEST_P(CodaCupsMuta, WhileTheServiceIsSilentTheWindowsPaintAndTheUserMayStopWaiting) {
    const CasoMuto& c = GetParam();
    const Intermediario tra(presa, (cartella / "tra.sock").string(), c.tace);
    Dipinta finestra;
    finestra.resize(200, 100);
    finestra.show();
    QTimer ridisegna;
    QObject::connect(&ridisegna, &QTimer::timeout, &finestra, [&] { finestra.update(); });
    ridisegna.start(20);

    QString detto;
    bool occupato = false;
    int dipinti_a = -1, dipinti_b = -1;
    // A second into the wait: what the user sees; then the user stops waiting.
    QTimer::singleShot(1000, [&] {
        dipinti_a = finestra.volte;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QProgressDialog*>(w); box && box->isVisible())
                detto = box->labelText();
        occupato = QApplication::overrideCursor() &&
                   QApplication::overrideCursor()->shape() == Qt::BusyCursor;
    });
    QTimer::singleShot(1500, [&] {
        dipinti_b = finestra.volte;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QProgressDialog*>(w); box && box->isVisible())
                if (auto* no = box->findChild<QPushButton*>()) no->click();
    });
    gui::QtPrinter stampante{true, tra.presa()};
    const auto inizio = std::chrono::steady_clock::now();
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 4s);
    EXPECT_EQ(detto.toStdString(), c.testo);
    EXPECT_TRUE(occupato);
    EXPECT_GT(dipinti_b, dipinti_a);
    EXPECT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    EXPECT_EQ(r.error, "SERVIZIO DI STAMPA NON RAGGIUNGIBILE");
    EXPECT_TRUE(leggi(cartella / "ricevuta_001.pdf").starts_with("%PDF"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Coda, CodaCupsMuta,
                         ::testing::Values(CasoMuto{"FromTheStart", Intermediario::Subito,
                                                    "COLLEGAMENTO AL SERVIZIO DI STAMPA …"},
                                           CasoMuto{"FromTheDocument", Intermediario::DalDocumento,
                                                    "INVIO ALLA STAMPANTE Ufficio …"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(CodaCups, WithoutTheDefaultPrinterThePageGoesToNoOtherButToItsPdf) {
    ASSERT_EQ(comando("lpadmin -p Altra -E -v file:///dev/null -m raw"), 0) << leggi(registro);
    ASSERT_EQ(comando("lpadmin -x Ufficio"), 0) << leggi(registro);
    gui::QtPrinter stampante{true, presa};
    const plat::PrintJob job = ricevuta(cartella);
    plat::PrintResult r = stampante.print(job);
    EXPECT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    EXPECT_EQ(r.error, "NESSUNA STAMPANTE PREDEFINITA");
    EXPECT_EQ(r.where, job.pdf_path);
    EXPECT_EQ(lavori("Altra", CUPS_WHICHJOBS_ALL), 0);
    EXPECT_TRUE(leggi(job.pdf_path).starts_with("%PDF"));

    ASSERT_EQ(comando("lpadmin -x Altra"), 0) << leggi(registro);
    r = stampante.print(job);
    EXPECT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    EXPECT_EQ(r.error, "NESSUNA STAMPANTE DISPONIBILE");
}

TEST(ServizioDiStampa, WithNoServiceAnsweringThePageIsSavedAndTheUserToldSoQuickly) {
    gui_test::qt_app();
    const fs::path cartella = fs::temp_directory_path() / ("coda_" + std::to_string(::getpid()));
    fs::create_directories(cartella);
    gui::QtPrinter stampante{true, (cartella / "nessuno.sock").string()};
    const auto inizio = std::chrono::steady_clock::now();
    const plat::PrintResult r = stampante.print(ricevuta(cartella));
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 6s);
    EXPECT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    EXPECT_EQ(r.error, "SERVIZIO DI STAMPA NON RAGGIUNGIBILE");
    EXPECT_TRUE(leggi(cartella / "ricevuta_001.pdf").starts_with("%PDF"));
    fs::remove_all(cartella);
}

}  // namespace
