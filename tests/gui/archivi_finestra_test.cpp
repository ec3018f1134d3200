// The archive copy, restore and period transfer forms in real windows, each
// saved as a picture (screenshots/ under the working folder) to look at.
#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>

#include "finestre.h"

namespace {

using gui_test::Finestre;

TEST(ArchiviFinestra, CopyRestoreAndTransferFormsShowTheirWindows) {
    Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.percorso_logo = f.banco().cartella_programma() + "ICONA.BMP";
    const std::string dati = f.banco().cartella_dati();
    f.banco().scrivi(dati + "periodi2026.ind", {"0003*15/06/2026*30/06/2026*850,00*AFF"});
    f.banco().scrivi(dati + "prenotazioni2026.dat", {"1"});
    f.banco().scrivi(dati + "clienti.dat", {"ROSSI"});
    const std::string copia =
        (std::filesystem::path(dati).parent_path().parent_path() / "copia").string();
    std::filesystem::create_directories(copia);
    f.banco().scrivi(copia + "/periodi2026.ind", {"0003*15/06/2026*30/06/2026*850,00*LIB"});

    for (const char* nome : {"Dest_arch", "Rec_arch", "Trasferisciper"}) {
        app.run([&] { app.form(nome)->show(); });
        if (plat::Control* cartelle = app.form(nome)->find("Dir1")) app.navigate(*cartelle, copia);
        EXPECT_TRUE(f.fotografa(nome)) << nome;
        EXPECT_TRUE(f.finestra(nome)->isVisible()) << nome;
        app.close(*app.form(nome));
        EXPECT_FALSE(app.form(nome)->is_loaded()) << nome;
    }
}

}  // namespace
