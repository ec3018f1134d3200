// The archive copy, restore and period transfer forms in real windows, each
// saved as a picture (screenshots/ under the working folder) to look at.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <filesystem>

#include "finestre.h"
#include "gui/widgets.h"
#include "program/programma.h"
#include "support/righe.h"

namespace {

using gui_test::Finestre;

TEST(ArchiviFinestra, CopyRestoreAndTransferFormsShowTheirWindows) {
    Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.percorso_logo = f.banco().cartella_programma() + "ICONA.BMP";
    const std::string dati = f.banco().cartella_dati();
    f.banco().scrivi(dati + "periodi2026.ind",
                     {ga::test::riga_periodo({{ga::periodo::codice, "0003"},
                                              {ga::periodo::dal, "15/06/2026"},
                                              {ga::periodo::al, "30/06/2026"},
                                              {ga::periodo::prezzo, "850,00"},
                                              {ga::periodo::stato, "AFF"}})});
    f.banco().scrivi(dati + "prenotazioni2026.dat", {"1"});
    f.banco().scrivi(dati + "clienti.dat", {"ROSSI"});
    const std::string copia =
        (std::filesystem::path(dati).parent_path().parent_path() / "copia").string();
    std::filesystem::create_directories(copia);
    f.banco().scrivi(copia + "/periodi2026.ind",
                     {ga::test::riga_periodo({{ga::periodo::codice, "0003"},
                                              {ga::periodo::dal, "15/06/2026"},
                                              {ga::periodo::al, "30/06/2026"},
                                              {ga::periodo::prezzo, "850,00"},
                                              {ga::periodo::stato, "LIB"}})});

    for (const char* nome : {"Dest_arch", "Rec_arch", "Trasferisciper"}) {
        app.run([&] { app.form(nome)->show(); });
        if (plat::Control* cartelle = app.form(nome)->find("Dir1")) app.navigate(*cartelle, copia);
        EXPECT_TRUE(f.fotografa(nome)) << nome;
        EXPECT_TRUE(f.finestra(nome)->isVisible()) << nome;
        app.close(*app.form(nome));
        EXPECT_FALSE(app.form(nome)->is_loaded()) << nome;
    }
}

// After a restore and the way back to the utilities, the first click on
// GESTIONE ARCHIVI opens its list again.
TEST(ArchiviFinestra, AfterARestoreTheFirstClickOnGestioneArchiviOpensItsList) {
    Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.scrivi(b.cartella_programma() + "AGENZIA.IND", {"AGENZIA MARE*VIA DEL MARE 1*LIGNANO"});
    b.scrivi(b.cartella_programma() + "cartella.txt", {b.cartella_dati() + ",$$"});
    const std::string copia =
        (std::filesystem::path(b.cartella_dati()).parent_path().parent_path() / "copia").string();
    std::filesystem::create_directories(copia);
    b.scrivi(copia + "/periodi2026.ind", {ga::test::riga_periodo({{ga::periodo::codice, "0003"},
                                                                  {ga::periodo::dal, "15/06/2026"},
                                                                  {ga::periodo::al, "30/06/2026"},
                                                                  {ga::periodo::prezzo, "850,00"},
                                                                  {ga::periodo::stato, "LIB"}})});
    ga::avvia(app);
    auto widget = [&](const char* form, const char* control) {
        return f.desktop().widget(*app.form(form)->control(control));
    };
    gui_test::clic(widget("zeltra", "AVANTI"));
    gui_test::clic(widget("MENU", "utilit"));
    QWidget* archivi = widget("utilita", "Command4");
    gui_test::clic(archivi);
    QWidget* elenco = widget("utilita", "List1");
    ASSERT_TRUE(elenco->isVisible());
    gui_test::clic(elenco, static_cast<gui::ProgramList*>(elenco)->visualItemRect(2).center());
    // Recupera archivi
    ASSERT_TRUE(app.form("Rec_arch")->is_visible());
    app.navigate(*app.form("Rec_arch")->control("Dir1"), copia);
    b.messaggi().answer(plat::Answer::Yes);
    gui_test::clic(widget("Rec_arch", "Command1"));
    ASSERT_EQ(b.leggi(b.cartella_dati() + "periodi2026.ind").size(), 1u) << "restored";
    gui_test::clic(widget("Rec_arch", "USCITA"));
    ASSERT_FALSE(app.form("Rec_arch")->is_loaded());
    QTest::qWait(50);
    if (elenco->isVisible()) gui_test::clic(archivi);  // closed, to be opened again
    ASSERT_FALSE(elenco->isVisible());
    gui_test::clic(archivi);
    EXPECT_TRUE(elenco->isVisible()) << "the click was lost";
}

}  // namespace
