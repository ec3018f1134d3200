#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/movimenti.h"
#include "records/note.h"
#include "support/banco.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;

class ArchiviPrenotazioni : public ::testing::Test {
protected:
    void SetUp() override { b.prepara_dati(); }
    App& app() { return b.app(); }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string box(const char* form, const char* nome) { return app().testo(form, nome); }

    test::Banco b;
};

TEST_F(ArchiviPrenotazioni, NotesKeepTheNumberOfEmptyLinesButHoldNothingThere) {
    b.scrivi(dati("noteaff2026.dat"),
             {"CLIENTE CON CANE*1*0010", "", "ARRIVO TARDI*3*0011", " ", "SOLO TESTO"});
    app().run([&] { carica_note(app()); });
    EXPECT_EQ(box("prenotazione", "Text23"), "5");
    EXPECT_EQ(app().s.note[1], (RigaNota{"CLIENTE CON CANE", "1", "0010"}));
    EXPECT_EQ(app().s.note[2], (RigaNota{}));
    EXPECT_EQ(app().s.note[3], (RigaNota{"ARRIVO TARDI", "3", "0011"}));
    EXPECT_EQ(app().s.note[4], (RigaNota{}));
    // A short line loads what it has.
    EXPECT_EQ(app().s.note[5], (RigaNota{"SOLO TESTO", "", ""}));
}

TEST_F(ArchiviPrenotazioni, NotesReloadedShorterLeaveNoStaleNotes) {
    b.scrivi(dati("noteaff2026.dat"), {"A*1*0010", "B*2*0010", "C*3*0010"});
    app().run([&] { carica_note(app()); });
    b.scrivi(dati("noteaff2026.dat"), {"A*1*0010", ""});
    app().run([&] { carica_note(app()); });
    EXPECT_EQ(box("prenotazione", "Text23"), "2");
    EXPECT_EQ(app().s.note[2], (RigaNota{}));
    EXPECT_EQ(app().s.note[3], (RigaNota{}));
}

TEST_F(ArchiviPrenotazioni, JournalCountsItsEmptyLineAndHoldsDates) {
    b.scrivi(dati("saldi2026.dat"),
             {"01/07/2026*0001*500,00*50,00*0*30,00*200,00*1*0010",
              "2/7/2026*0002*0*1200,00*0*0*0*1*0010", "", "03/07/2026*0001*0*0*300,00*0*0**",
              "non e' una data*0003*0*0*40,00*0*0*5*0011*X*Y"});
    app().run([&] { carica_saldi(app()); });
    EXPECT_EQ(box("prenotazione", "Text26"), "5");
    EXPECT_EQ(box("spese", "Text2"), "5");
    auto& m = app().s.movimenti;
    EXPECT_EQ(m[1].data, plat::Date::from_dmy(1, 7, 2026).value());
    EXPECT_EQ(m[1].campo[movimento::acconto], "500,00");
    EXPECT_EQ(m[1].campo[movimento::appartamento], "0010");
    EXPECT_EQ(m[2].data, plat::Date::from_dmy(2, 7, 2026).value());
    EXPECT_EQ(m[2].campo[movimento::saldo], "1200,00");
    // The empty third line takes number 3 and holds no movement.
    EXPECT_TRUE(m[3].data.is_zero());
    EXPECT_EQ(m[3].campo[movimento::parte], "");
    EXPECT_EQ(m[4].campo[movimento::importo], "300,00");
    EXPECT_EQ(m[4].campo[movimento::numero], "");
    // An unreadable date is kept as no date; columns past 8 are ignored.
    EXPECT_TRUE(m[5].data.is_zero());
    EXPECT_EQ(m[5].campo[movimento::appartamento], "0011");
}

TEST_F(ArchiviPrenotazioni, MissingFilesAreCreatedEmptyAndALongJournalLoadsWhole) {
    app().run([&] {
        carica_note(app());
        carica_saldi(app());
    });
    EXPECT_EQ(b.byte(dati("noteaff2026.dat")), "");
    EXPECT_EQ(b.byte(dati("saldi2026.dat")), "");
    EXPECT_EQ(box("prenotazione", "Text23"), "0");
    EXPECT_EQ(box("prenotazione", "Text26"), "0");

    b.scrivi(dati("saldi2026.dat"), Righe(1002, "01/07/2026*0001*0*0*0*0*0*1*0010"));
    b.nuovi_messaggi();
    app().run([&] {
        carica_saldi(app());
        carica_saldi(app());
    });
    EXPECT_EQ(box("prenotazione", "Text26"), "1002");
    EXPECT_EQ(app().s.movimenti[1002].campo[movimento::appartamento], "0010");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
}

// The booking form's load is what fills every table at start: reading one of
// its count stores on a fresh program is enough.
TEST_F(ArchiviPrenotazioni, ReadingTheBookingsCountLoadsEveryTable) {
    b.scrivi(dati("proprietari.IND"), {"ROSSI MARIO*****0832*0001**PROVV*"});
    b.scrivi(dati("appartamenti.ind"), {"0001*0001*12*MON*SI*1*NO*1*2*ESTIVO***0010",
                                        "0001*0001*14*BIL*SI*1*NO*1*4*ESTIVO***0011"});
    b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*X*",
                                   "0002*VERDI LUCA*VIA LAGO 3*73028*OTRANTO*0836*LE*Y*",
                                   "0003*NERI PIA*VIA NUOVA 9*73040*CASTRO*0836*LE*Z*"});
    b.scrivi(
        dati("prenotazioni2026.dat"),
        {"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*50,00*200,00*0.00.00*1**3*1* * * "});
    b.scrivi(dati("noteaff2026.dat"), {"CON CANE*1*0010", "ALTRA*1*0010"});
    b.scrivi(dati("saldi2026.dat"), {"01/07/2026*0001*500,00*0*0*50,00*200,00*1*0010"});

    std::string prenotazioni;
    app().run([&] { prenotazioni = box("prenotazione", "Text21"); });
    EXPECT_EQ(prenotazioni, "1");
    EXPECT_EQ(box("prenotazione", "Text22"), "3");
    EXPECT_EQ(box("prenotazione", "Text23"), "2");
    EXPECT_EQ(box("prenotazione", "Text26"), "1");
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "1");
    EXPECT_EQ(box("appartament", "Text23"), "2");
    EXPECT_EQ(app().s.proprietari[1][proprietario::nome], "ROSSI MARIO");
    EXPECT_EQ(app().s.appartamenti[2][appartamento::codice], "0011");
    EXPECT_EQ(app().s.clienti[3][cliente::nome], "NERI PIA");
    EXPECT_EQ(app().s.prenotazioni[1].arrivo, plat::Date::from_dmy(1, 7, 2026).value());
    EXPECT_EQ(app().s.note[2][0], "ALTRA");
    EXPECT_EQ(app().s.movimenti[1].campo[movimento::cauzione], "200,00");
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

}  // namespace
}  // namespace ga
