// The printer service against a real print service: a private cupsd of the
// test's own (its own folder and socket, a raw queue), started per test and
// ended after it. Where the machine has no cupsd, or it does not answer in
// time, the tests that need it are skipped and say why.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <cups/cups.h>

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
