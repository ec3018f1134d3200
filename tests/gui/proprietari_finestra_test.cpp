// The owners form in its window, browsing a stored owner, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(FinestraPROPRIETARI, ShowsAStoredOwnerWhileBrowsing) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.percorso_logo = f.banco().cartella_programma() + "ICONA.BMP";
    f.banco().scrivi(
        f.banco().cartella_dati() + "proprietari.IND",
        {ga::test::riga_proprietario({{ga::proprietario::nome, "ROSSI MARIO"},
                                      {ga::proprietario::via, "VIA ROMA 1"},
                                      {ga::proprietario::citta, "BARI"},
                                      {ga::proprietario::provincia, "BA"},
                                      {ga::proprietario::cap, "70100"},
                                      {ga::proprietario::telefono, "080111"},
                                      {ga::proprietario::codice, "0001"},
                                      {ga::proprietario::codice_fiscale, "RSSMRA"},
                                      {ga::proprietario::rapporto, "PROVV"},
                                      {ga::proprietario::email, "r@x.it"}}),
         ga::test::riga_proprietario({{ga::proprietario::nome, "BIANCHI ANNA"},
                                      {ga::proprietario::via, "VIA MARE 2"},
                                      {ga::proprietario::citta, "GRESSONEY-LA-TRINITÉ"},
                                      {ga::proprietario::provincia, "AO"},
                                      {ga::proprietario::cap, "11020"},
                                      {ga::proprietario::telefono, "0125"},
                                      {ga::proprietario::codice, "0002"},
                                      {ga::proprietario::rapporto, "CONTR"}})});
    app.form("PROPRIETARI")->show();
    app.click(*app.form("PROPRIETARI")->control("VediForn"));
    app.scroll(*app.form("PROPRIETARI")->control("HScroll1"), 2);
    EXPECT_TRUE(f.fotografa("PROPRIETARI"));
    EXPECT_TRUE(f.finestra("PROPRIETARI")->isVisible());
}

}  // namespace
