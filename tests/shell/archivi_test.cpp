// Copy of the data folder's files to a folder the user picks, and their
// restore: which files the year and extension boxes choose, what reaches the
// other folder byte for byte, and what is refused or reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/save_unit.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/clienti.h"
#include "records/percorsi.h"
#include "records/salvataggio.h"
#include "shell/Dest_arch.h"
#include "shell/Rec_arch.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

namespace fs = std::filesystem;
using Nomi = std::vector<std::string>;

class ArchiviTest : public ::testing::Test {
protected:
    ArchiviTest() {
        b.prepara_dati();
        fs::create_directories(chiavetta);
        b.scrivi(dati("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "0003"},
                                                               {periodo::dal, "15/06/2026"},
                                                               {periodo::al, "30/06/2026"},
                                                               {periodo::prezzo, "850,00"},
                                                               {periodo::stato, "AFF"}})});
        b.scrivi(dati("periodi2025.ind"), {test::riga_periodo({{periodo::codice, "0003"},
                                                               {periodo::dal, "15/06/2025"},
                                                               {periodo::al, "30/06/2025"},
                                                               {periodo::prezzo, "800,00"},
                                                               {periodo::stato, "LIB"}})});
        b.scrivi(dati("prenotazioni2026.dat"), {"1*ROSSI"});
        b.scrivi(dati("noteaff2026.dat"), {"NOTA È UNA"});
        b.scrivi(dati("clienti.dat"), {"ROSSI*MARIO"});
        b.scrivi(dati("Vie.dat"), {"001*VIA ROMA* $$"});
        b.scrivi(dati("leggimi.txt"), {"x"});
        b.scrivi(dati("strano."), {"y"});
        b.scrivi(dati(".nascosto2026.dat"), {"z"});
        fs::create_directories(dati("sotto2026.dat"));
    }
    std::string dati(const std::string& nome) { return b.cartella_dati() + nome; }
    std::string chiave(const std::string& nome) { return (chiavetta / nome).string(); }
    template <class F>
    F& apri() {
        app.run([&] { app.form(F::kName).show(); });
        return app.form<F>();
    }
    std::vector<std::string> titoli() {
        std::vector<std::string> t;
        for (const auto& m : b.messaggi().shown()) t.push_back(m.title);
        return t;
    }

    Banco b;
    App& app = b.app();
    const fs::path chiavetta =
        fs::path(b.cartella_dati()).parent_path().parent_path() / "chiavetta";
};

TEST_F(ArchiviTest, FilesAreChosenByYearAndExtension) {
    EXPECT_EQ(modello_archivi("2026", true, "DAT"), "*2026.DAT");
    EXPECT_EQ(modello_archivi("2026", false, "*"), "*.*");
    EXPECT_EQ(modello_archivi("2026", true, ""), "*2026.");

    EXPECT_EQ(file_corrispondenti(b.cartella_dati(), "*2026.DAT"),
              (Nomi{".nascosto2026.dat", "noteaff2026.dat", "prenotazioni2026.dat"}))
        << "the year's files, hidden ones included; clienti.dat and folders are not";
    EXPECT_EQ(file_corrispondenti(b.cartella_dati(), "*.IND"),
              (Nomi{"periodi2025.ind", "periodi2026.ind"}));
    EXPECT_EQ(file_corrispondenti(b.cartella_dati(), "*.").size(), 1u) << "only strano.";
    EXPECT_EQ(file_corrispondenti(b.cartella_dati(), "*.*").size(), 9u);
    EXPECT_TRUE(file_corrispondenti(b.cartella_dati() + "manca/", "*.*").empty());
}

TEST_F(ArchiviTest, CopyOfTheYearsDatFilesReplacesOldCopiesByteForByte) {
    Dest_arch& d = apri<Dest_arch>();
    EXPECT_EQ(d.gest_preced.value(), 1);
    EXPECT_EQ(d.Check4.value(), 1);
    EXPECT_EQ(d.gest_attuale.caption(), " SOLO ANNO CORRENTE 2026");
    EXPECT_EQ(d.Label2.caption(), b.cartella_dati());
    EXPECT_EQ(d.File1.state().items.size(), 9u);
    EXPECT_TRUE(d.Label1.visible()) << "the hint shows while no destination is chosen";

    app.click(d.Command1);
    EXPECT_EQ(b.nuovi_messaggi(), Nomi{"Non è stato scelto l'indirizzo di destinazione !!!"});
    EXPECT_EQ(titoli().back(), "COPIA ARCHIVI");
    EXPECT_TRUE(fs::is_empty(chiavetta));

    app.navigate(d.Dir1, chiavetta.string());
    EXPECT_EQ(d.Text1.text(), chiavetta.string() + "/");
    EXPECT_EQ(d.Label3.caption(), d.Text1.text());
    EXPECT_FALSE(d.Label1.visible());

    app.click(d.gest_attuale);
    EXPECT_EQ(d.gest_preced.value(), 0);
    app.click(d.Check2);
    EXPECT_EQ(d.Check4.value(), 0);
    EXPECT_EQ(d.File1.state().items,
              (Nomi{".nascosto2026.dat", "noteaff2026.dat", "prenotazioni2026.dat"}));

    // An older copy, read-only, is replaced.
    b.scrivi(chiave("prenotazioni2026.dat"), {"VECCHIA"});
    fs::permissions(chiave("prenotazioni2026.dat"), fs::perms::owner_read);
    app.click(d.Command1);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(d.List1.state().items,
              (Nomi{".nascosto2026.dat", "noteaff2026.dat", "prenotazioni2026.dat"}));
    EXPECT_TRUE(d.List1.visible());
    EXPECT_FALSE(d.File1.visible());
    EXPECT_EQ(d.Label4.caption(), "3");
    for (const auto& nome : d.List1.state().items)
        EXPECT_EQ(b.byte(chiave(nome)), b.byte(dati(nome)));
    EXPECT_EQ(b.byte(chiave("noteaff2026.dat")), "NOTA \xC8 UNA\r\n");
    EXPECT_FALSE(fs::exists(chiave("clienti.dat")));

    // No second copy until a box is ticked again.
    EXPECT_FALSE(d.Command1.enabled());
    app.click(d.Check2);
    EXPECT_FALSE(d.Command1.enabled()) << "unticking is not a new choice";
    app.click(d.Check2);
    EXPECT_TRUE(d.Command1.enabled());
    EXPECT_TRUE(d.List1.state().items.empty());
}

TEST_F(ArchiviTest, AllYearsAndAllFilesCopyEverythingAlsoUnderARootWithTwoSeparators) {
    fs::permissions(dati("Vie.dat"), fs::perms::owner_read | fs::perms::group_read);
    // A save's record and temporary file are the program's, as the lock is.
    b.scrivi(dati("SALVATAGGIO_IN_CORSO.LOG"), {"SALVATAGGIO 1"});
    const std::string provvisorio = "clienti.dat.GA-SALVA-0123456789abcdef-0.tmp";
    b.scrivi(dati(provvisorio), {"ROSSI"});
    Dest_arch& d = apri<Dest_arch>();
    ASSERT_FALSE(d.File1.state().items.empty());
    EXPECT_EQ(std::count_if(d.File1.state().items.begin(), d.File1.state().items.end(),
                            [](const std::string& n) {
                                return n.find("SALVATAGGIO") != n.npos || n.find(".GA-") != n.npos;
                            }),
              0);
    app.navigate(d.Dir1, chiavetta.string() + "/");
    EXPECT_EQ(d.Text1.text(), chiavetta.string() + "//");
    app.click(d.Command1);
    EXPECT_EQ(d.Label4.caption(), "9");
    for (const auto& nome : file_corrispondenti(b.cartella_dati(), "*.*"))
        EXPECT_EQ(b.byte(chiave(nome)), b.byte(dati(nome))) << nome;
    EXPECT_EQ(fs::status(chiave("Vie.dat")).permissions(),
              fs::status(dati("Vie.dat")).permissions())
        << "the copy keeps the source's attributes";
    EXPECT_FALSE(fs::exists(chiave("sotto2026.dat")));
    // The lock of the data folder in use is this program's, not the agency's.
    for (const std::string& nome :
         {std::string("IN_USO.LCK"), std::string("SALVATAGGIO_IN_CORSO.LOG"), provvisorio}) {
        EXPECT_TRUE(fs::exists(dati(nome)));
        EXPECT_FALSE(fs::exists(chiave(nome))) << nome;
    }
}

TEST_F(ArchiviTest, AFailedCopyIsReportedAndNotCountedAndTheDataFolderIsNoDestination) {
    Dest_arch& d = apri<Dest_arch>();
    app.navigate(d.Dir1, b.cartella_dati());
    app.click(d.Command1);
    EXPECT_EQ(b.nuovi_messaggi(),
              Nomi{"LA CARTELLA DI DESTINAZIONE E' LA CARTELLA DEI DATI.\rSCEGLIERE UN'ALTRA "
                   "CARTELLA.\rNESSUN FILE E' STATO COPIATO."});
    EXPECT_EQ(b.leggi(dati("clienti.dat")), Nomi{"ROSSI*MARIO"});
    EXPECT_TRUE(d.Command1.enabled());

    fs::create_directories(chiave("clienti.dat"));  // the copy cannot replace a folder
    app.navigate(d.Dir1, chiavetta.string());
    app.click(d.Command1);
    EXPECT_EQ(b.nuovi_messaggi(), Nomi{"NON E' STATO POSSIBILE COPIARE 1 FILE:\rclienti.dat"});
    EXPECT_EQ(d.Label4.caption(), "8");
    EXPECT_EQ(d.List1.state().items.size(), 8u);
    EXPECT_TRUE(fs::is_directory(chiave("clienti.dat")));
    EXPECT_EQ(b.leggi(dati("clienti.dat")), Nomi{"ROSSI*MARIO"});
}

// A copy is an archive only when all of it lasts: a save left half done is
// finished before anything is copied, and a destination folder that cannot
// be synced makes no file count as copied.
TEST_F(ArchiviTest, TheCopyFinishesAHalfDoneSaveFirstAndCountsOnlyWhatLasts) {
    {
        Salvataggio salvataggio(app);
        scrivi_registro(app, dati("clienti.dat"), {"ROSSI*MARIA"});
        scrivi_registro(app, dati("Vie.dat"), {"002*VIA MARE* $$"});
        plat::set_file_call_hook([](std::string_view call, const std::string& percorso) {
            return call == "rename" && percorso.ends_with("/Vie.dat") ? EIO : 0;
        });
        salvataggio.conferma();
        plat::set_file_call_hook({});
    }
    b.nuovi_messaggi();
    Dest_arch& d = apri<Dest_arch>();
    app.navigate(d.Dir1, chiavetta.string());
    app.click(d.Command1);
    EXPECT_TRUE(fs::is_empty(chiavetta));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    app.click(d.Command1);
    EXPECT_EQ(b.leggi(chiave("Vie.dat")), Nomi{"002*VIA MARE* $$"});
    EXPECT_EQ(b.leggi(chiave("clienti.dat")), Nomi{"ROSSI*MARIA"});

    // A key pulled out before its folder is synced.
    const fs::path altra = chiavetta / "altra";
    fs::create_directories(altra);
    app.run([&] { d.unload(); });
    Dest_arch& e = apri<Dest_arch>();
    app.navigate(e.Dir1, altra.string());
    plat::set_file_call_hook([&](std::string_view call, const std::string& percorso) {
        std::error_code ec;
        return call == "fsync" && fs::equivalent(percorso, altra, ec) ? EIO : 0;
    });
    app.click(e.Command1);
    plat::set_file_call_hook({});
    EXPECT_EQ(e.Label4.caption(), "0");
    EXPECT_TRUE(e.List1.state().items.empty());
    const Nomi detti = b.nuovi_messaggi();
    ASSERT_EQ(detti.size(), 1u);
    EXPECT_TRUE(plat::starts_with(detti[0], "NON E' STATO POSSIBILE COPIARE ")) << detti[0];
}

TEST_F(ArchiviTest, UntickingTheExtensionLeavesOnlyNamesWithAnEmptyExtension) {
    Dest_arch& d = apri<Dest_arch>();
    app.navigate(d.Dir1, chiavetta.string());
    app.click(d.gest_preced);
    EXPECT_EQ(d.gest_attuale.value(), 1) << "one year box is always ticked";
    app.click(d.gest_preced);
    EXPECT_EQ(d.gest_attuale.value(), 0);
    app.click(d.Check4);
    EXPECT_EQ(d.modello(), "*.");
    app.click(d.Command1);
    EXPECT_EQ(d.List1.state().items, Nomi{"strano."});
}

TEST_F(ArchiviTest, RestoreOfTheYearAsksBeforeReplacingTheDataAndKeepsThemWritable) {
    b.scrivi(chiave("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "0003"},
                                                             {periodo::dal, "01/07/2026"},
                                                             {periodo::al, "15/07/2026"},
                                                             {periodo::prezzo, "900,00"},
                                                             {periodo::stato, "LIB"}})});
    b.scrivi(chiave("clienti.dat"), {"BIANCHI*LUCA"});
    fs::permissions(chiave("periodi2026.ind"), fs::perms::owner_read);
    Rec_arch& r = apri<Rec_arch>();
    EXPECT_EQ(r.gest_attuale.value(), 1);
    EXPECT_EQ(r.Check4.value(), 1);
    EXPECT_EQ(r.Option1.value(), 1);
    EXPECT_EQ(r.Label9.caption(), "");
    EXPECT_EQ(r.Label3.caption(), b.cartella_dati());
    EXPECT_FALSE(r.List1.visible());

    app.click(r.Command1);
    EXPECT_EQ(b.nuovi_messaggi(), Nomi{"Non è stato scelto nessun File da Recuperare !!!"});
    EXPECT_EQ(titoli().back(), "COPIA ARCHIVI");

    app.navigate(r.Dir1, chiavetta.string());
    EXPECT_EQ(r.Label9.caption(), "*2026.*");
    EXPECT_EQ(r.Label2.caption(), chiavetta.string() + "/");
    EXPECT_EQ(r.File1.state().items, Nomi{"periodi2026.ind"});

    const std::string prima = b.byte(dati("periodi2026.ind"));
    b.messaggi().answer(plat::Answer::No);
    app.click(r.Command1);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(dati("periodi2026.ind")), prima) << "the user said no";
    EXPECT_TRUE(r.Command1.enabled());

    b.messaggi().answer(plat::Answer::Yes);
    app.click(r.Command1);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(dati("periodi2026.ind")), b.byte(chiave("periodi2026.ind")));
    EXPECT_NE(fs::status(dati("periodi2026.ind")).permissions() & fs::perms::owner_write,
              fs::perms::none)
        << "a restored register stays writable by the program";
    EXPECT_EQ(b.leggi(dati("clienti.dat")), Nomi{"ROSSI*MARIO"}) << "not a file of the year";
    EXPECT_EQ(r.Label4.caption(), "1");
    EXPECT_FALSE(r.List1.visible());
    EXPECT_TRUE(r.List1.state().items.empty());
    EXPECT_TRUE(r.File1.visible());
    EXPECT_FALSE(r.Command1.enabled());
}

TEST_F(ArchiviTest, RestoreOfOneFileReplacesItsNameInAnyCaseAndReloadsItsTable) {
    b.scrivi(chiave("CLIENTI.DAT"), {"BIANCHI*LUCA"});
    app.run([&] { carica_clienti(app); });
    ASSERT_EQ(app.s.clienti[1][cliente::codice], "ROSSI");

    Rec_arch& r = apri<Rec_arch>();
    app.navigate(r.Dir1, b.cartella_dati().substr(0, b.cartella_dati().size() - 1));
    app.click(r.Command1);
    EXPECT_EQ(b.nuovi_messaggi().back(),
              "LA CARTELLA SORGENTE E' LA CARTELLA DEI DATI.\rSCEGLIERE UN'ALTRA CARTELLA.\r"
              "NESSUN FILE E' STATO RECUPERATO.");

    app.navigate(r.Dir1, chiavetta.string());
    app.click(r.gest_preced);
    app.click(r.Option2);
    EXPECT_EQ(r.Label9.caption(), "");
    app.click(r.Command1);
    EXPECT_EQ(b.nuovi_messaggi(), Nomi{"Non è stato scelto nessun File da Recuperare !!!"});

    app.pick(r.File1, 0);
    EXPECT_EQ(r.Label9.caption(), "CLIENTI.DAT");
    app.click(r.Command1);  // the question is answered yes
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(r.Label4.caption(), "1");
    EXPECT_EQ(b.leggi(dati("clienti.dat")), Nomi{"BIANCHI*LUCA"});
    EXPECT_FALSE(fs::exists(dati("CLIENTI.DAT")));
    EXPECT_EQ(app.s.clienti[1][cliente::codice], "BIANCHI")
        << "a writer must not rewrite the old table";
}

// Another program works on folder X (clients BIANCHI and VERDI): this one
// neither copies its archives over X nor restores from it, naming who holds
// it, and copies into X once that program has left it, holding X's save
// lock all the while. A save another program left to finish in a folder
// keeps the copy out too.
TEST_F(ArchiviTest, AFolderAnotherProgramWorksOnIsNeitherCopiedOverNorRestoredFrom) {
    Banco altro;
    altro.prepara_dati();
    const std::string x = altro.cartella_dati();
    altro.scrivi(x + "clienti.dat", {cliente_bianchi(), cliente_verdi()});
    altro.scrivi(x + "prenotazioni2026.dat", {"1*BIANCHI"});
    const std::string clienti = altro.byte(x + "clienti.dat");
    const std::string prenotazioni = altro.byte(x + "prenotazioni2026.dat");
    const std::string nostri = b.byte(dati("clienti.dat"));

    const auto rifiuta = [&](auto& forma, const char* nessuno) {
        app.navigate(forma.Dir1, x);
        app.click(forma.Command1);
        const Nomi detti = b.nuovi_messaggi();
        ASSERT_EQ(detti.size(), 1u);
        for (std::string_view parte :
             {"SONO GIA' APERTI DA UN ALTRO PROGRAMMA", "UTENTE: mario", nessuno})
            EXPECT_NE(detti[0].find(parte), std::string::npos) << parte << " in " << detti[0];
        EXPECT_NE(detti[0].find("COMPUTER: " + plat::host_name()), std::string::npos);
        EXPECT_EQ(altro.byte(x + "clienti.dat"), clienti);
        EXPECT_EQ(altro.byte(x + "prenotazioni2026.dat"), prenotazioni);
        EXPECT_EQ(b.byte(dati("clienti.dat")), nostri);
        app.run([&] { forma.unload(); });
    };
    rifiuta(apri<Dest_arch>(), "NESSUN FILE E' STATO COPIATO.");
    rifiuta(apri<Rec_arch>(), "NESSUN FILE E' STATO RECUPERATO.");

    // The other program moves on; its save left to finish stays behind.
    const std::string altrove = x + "altrove/";
    fs::create_directories(altrove);
    altro.app().run([&] {
        altro.app().imposta("MENU", "Text1", altrove);
        imposta_percorsi_dati(altro.app());
    });
    altro.scrivi(x + "SALVATAGGIO_IN_CORSO.LOG", {"SALVATAGGIO 1"});
    Dest_arch& d = apri<Dest_arch>();
    app.navigate(d.Dir1, x);
    app.click(d.Command1);
    ASSERT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(altro.byte(x + "clienti.dat"), clienti);

    fs::remove(x + "SALVATAGGIO_IN_CORSO.LOG");
    bool tenuta = true;
    plat::set_file_call_hook([&](std::string_view call, const std::string& percorso) {
        if (call == "rename" && percorso.starts_with(x)) {
            const int fd = ::open((x + "SALVATAGGIO.LCK").c_str(), O_RDWR);
            tenuta = tenuta && fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            if (fd >= 0) ::close(fd);
        }
        return 0;
    });
    app.click(d.Command1);
    plat::set_file_call_hook({});
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(altro.byte(x + "clienti.dat"), nostri);
    EXPECT_TRUE(tenuta) << "another program could save into the folder during the copy";
}

TEST_F(ArchiviTest, EachExitGivesTheUtilitiesMenuBack) {
    plat::Form& utilita = *app.form("utilita");
    for (auto [nome, uscita] : {std::pair{"Dest_arch", "USCITA"},
                                {"Rec_arch", "USCITA"},
                                {"Trasferisciper", "Command3"}}) {
        app.run([&] {
            utilita.show();
            utilita.set_enabled(false);
            app.form(nome)->show();
        });
        app.click(*app.form(nome)->control(uscita));
        EXPECT_FALSE(app.form(nome)->is_loaded()) << nome;
        EXPECT_TRUE(utilita.is_enabled()) << nome;
    }
}

}  // namespace
}  // namespace ga::test
