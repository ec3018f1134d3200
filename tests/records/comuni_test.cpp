#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/comuni.h"
#include "support/banco.h"

namespace ga {
namespace {

using test::Banco;

// A lookup on behalf of the clients form, whose boxes are town Text4,
// postal code Text3, province Text6 and candidates List1.
class CercaComune : public ::testing::Test {
protected:
    void SetUp() override { b.prepara_dati(); }

    void file_comuni(const std::vector<std::string>& righe) {
        b.scrivi(b.cartella_programma() + "cittaita.ind", righe);
    }
    void cerca(const std::string& operazione, const std::string& chiave) {
        app().s.operazione = operazione;
        app().s.chiave_comune = chiave;
        app().run([&] { cerca_comune(app()); });
    }
    App& app() { return b.app(); }
    std::string box(const char* forma, const char* nome) { return app().testo(forma, nome); }
    std::vector<std::string> righe_lista(const char* forma, const char* nome) {
        plat::Control& l = app().campo(forma, nome);
        std::vector<std::string> out;
        for (int i = 0; i < l.list_count(); ++i) out.push_back(l.item(i));
        return out;
    }

    Banco b;
};

TEST_F(CercaComune, TheShippedFileFindsTheFirstTownBeginningWithTheKey) {
    cerca("CLIENTI", "ROM");
    EXPECT_EQ(box("insnomi", "Text4"), "ROMA");
    EXPECT_EQ(box("insnomi", "Text3"), "00118");
    EXPECT_EQ(box("insnomi", "Text6"), "RM");
    EXPECT_EQ(app().s.chiave_comune, "Ok");
    // The scan stopped at the hit: the last line read is that line.
    EXPECT_EQ(app().s.comune_letto, "ROMA");
    EXPECT_EQ(app().s.cap_letto, "00118");
    EXPECT_TRUE(righe_lista("insnomi", "List1").empty());

    // Names with accented letters are compared by characters.
    cerca("PROPRIETARI", "GRESSONEY-LA-TRINITÉ");
    EXPECT_EQ(box("PROPRIETARI", "Text4"), "GRESSONEY-LA-TRINITÉ");
    EXPECT_EQ(box("PROPRIETARI", "Text9"), "11020");
    EXPECT_EQ(box("PROPRIETARI", "Text10"), "AO");
}

TEST_F(CercaComune, OnePostalCodeHitFillsTheBoxesWithTheTownWithoutItsPadding) {
    file_comuni({"1*ALFA*98020*ME", "2*BETA*98021*ME", "3*GAMMA*98030*ME"});
    app().campo("insnomi", "List1").add_item("VECCHIA RIGA");
    cerca("CLIENTI", "98021");
    EXPECT_EQ(box("insnomi", "Text4"), "BETA");
    EXPECT_EQ(box("insnomi", "Text3"), "98021");
    EXPECT_EQ(box("insnomi", "Text6"), "ME");
    EXPECT_EQ(righe_lista("insnomi", "List1"),
              std::vector<std::string>{"BETA                     - 98021 - ME"});
    // Only a town hit marks the key as found.
    EXPECT_EQ(app().s.chiave_comune, "98021");
}

TEST_F(CercaComune, APostalCodeSharedByThreeTownsIsOfferedInTheList) {
    file_comuni(
        {"1*ALFA*98020*ME", "2*BETA*98020*ME", "3*CASTEL DI LUCIO*98020*ME", "4*DELTA*98021*ME"});
    plat::Control& lista = app().campo("insnomi", "List1");
    lista.set_visible(false);
    app().imposta("insnomi", "Text6", "XX");
    cerca("CLIENTI", "98020");

    EXPECT_EQ(righe_lista("insnomi", "List1"),
              (std::vector<std::string>{"ALFA                     - 98020 - ME",
                                        "BETA                     - 98020 - ME",
                                        "CASTEL DI LUCIO          - 98020 - ME"}));
    EXPECT_TRUE(lista.visible());
    EXPECT_EQ(box("insnomi", "Text4"), "");
    EXPECT_EQ(box("insnomi", "Text3"), "");
    EXPECT_EQ(box("insnomi", "Text6"), "");
    EXPECT_EQ(app().s.chiave_comune, "98020");

    // Two hits are enough to empty the boxes; a new lookup starts a new list.
    file_comuni({"1*ALFA*98020*ME", "2*BETA*98020*ME"});
    cerca("PROPRIETARI", "9802");
    EXPECT_EQ(righe_lista("PROPRIETARI", "List1").size(), 2u);
    EXPECT_TRUE(righe_lista("insnomi", "List1").empty());
    EXPECT_EQ(box("PROPRIETARI", "Text4"), "");
    EXPECT_EQ(box("PROPRIETARI", "Text9"), "");
    EXPECT_EQ(box("PROPRIETARI", "Text10"), "");
}

TEST_F(CercaComune, ATownHitAfterPostalCodeHitsFillsTheBoxesAndKeepsTheList) {
    file_comuni(
        {"1*ALFA*98020*ME", "2*BETA*98020*ME", "3*98020 NUOVA*11111*ZZ", "4*GAMMA*98020*ME"});
    cerca("CLIENTI", "98020");
    EXPECT_EQ(box("insnomi", "Text4"), "98020 NUOVA");
    EXPECT_EQ(box("insnomi", "Text3"), "11111");
    EXPECT_EQ(box("insnomi", "Text6"), "ZZ");
    EXPECT_EQ(app().s.chiave_comune, "Ok");
    // The lines added before the town hit stay; the line after it is not read.
    EXPECT_EQ(righe_lista("insnomi", "List1"),
              (std::vector<std::string>{"ALFA                     - 98020 - ME",
                                        "BETA                     - 98020 - ME"}));
}

TEST_F(CercaComune, KeysAreComparedExactlyOnTheirLengthAndTrimmed) {
    file_comuni({"1*ROMAGNANO SESIA*28078*NO", "2*ROMA*00118*RM"});
    // An empty key is a town hit on the first line.
    cerca("CLIENTI", "");
    EXPECT_EQ(box("insnomi", "Text4"), "ROMAGNANO SESIA");
    EXPECT_EQ(app().s.chiave_comune, "Ok");

    // A town left padded in the box by a postal-code hit is found again.
    cerca("CLIENTI", plat::pad_right("ROMA", 24));
    EXPECT_EQ(box("insnomi", "Text4"), "ROMA");
    EXPECT_EQ(box("insnomi", "Text3"), "00118");

    // Case counts: the callers upper-case the key.
    app().imposta("insnomi", "Text4", "PRIMA");
    cerca("CLIENTI", "roma");
    EXPECT_EQ(box("insnomi", "Text4"), "PRIMA");
    EXPECT_EQ(app().s.chiave_comune, "roma");
}

TEST_F(CercaComune, TheAgencyFormGetsTownWithProvinceAndNoProvinceBox) {
    file_comuni({"1*ROMA*00118*RM"});
    cerca("PERSONALIZZA", "ROMA");
    EXPECT_EQ(box("PersonalizzaAgenzia", "Text3"), "ROMA - RM");
    EXPECT_EQ(box("PersonalizzaAgenzia", "Text22"), "00118");
}

TEST_F(CercaComune, OnlyLoadedFormsAreTouched) {
    file_comuni({"1*ALFA*98020*ME", "2*BETA*98020*ME"});
    cerca("PERSONALIZZA", "98020");
    EXPECT_TRUE(app().form("PersonalizzaAgenzia")->is_loaded());
    EXPECT_EQ(righe_lista("PersonalizzaAgenzia", "List1").size(), 2u);
    for (const char* altra : {"prenotazione", "PROPRIETARI", "insnomi"})
        EXPECT_FALSE(app().form(altra)->is_loaded()) << altra;
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // A loaded form's old candidates are cleared.
    app().campo("insnomi", "List1").add_item("RIGA DI PRIMA");
    cerca("PERSONALIZZA", "98020");
    EXPECT_TRUE(righe_lista("insnomi", "List1").empty());
}

TEST_F(CercaComune, AMissingTownsFileIsCreatedEmptyAndFindsNothing) {
    const std::string percorso = b.cartella_programma() + "cittaita.ind";
    std::filesystem::remove(percorso);
    app().imposta("insnomi", "Text4", "ROMA");
    cerca("CLIENTI", "ROM");
    EXPECT_EQ(box("insnomi", "Text4"), "ROMA");
    EXPECT_EQ(box("insnomi", "Text3"), "");
    EXPECT_EQ(app().s.chiave_comune, "ROM");
    EXPECT_TRUE(std::filesystem::exists(percorso));
    EXPECT_EQ(std::filesystem::file_size(percorso), 0u);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(CercaComune, TheFileIsReadAgainAtEveryLookup) {
    file_comuni({"1*ROMA*00118*RM"});
    cerca("CLIENTI", "ROMA");
    EXPECT_EQ(box("insnomi", "Text3"), "00118");
    file_comuni({"1*ROMA*00199*RM"});
    cerca("CLIENTI", "ROMA");
    EXPECT_EQ(box("insnomi", "Text3"), "00199");
}

TEST(DividiRigaComune, SplitsOnTheListSeparatorOnly) {
    const RigaComune trattino = dividi_riga_comune("GRESSONEY-LA-TRINITÉ     - 11020 - AO");
    EXPECT_EQ(trattino.comune, "GRESSONEY-LA-TRINITÉ");
    EXPECT_EQ(trattino.cap, "11020");
    EXPECT_EQ(trattino.provincia, "AO");

    const RigaComune lungo = dividi_riga_comune("CALDARO SULLA STRADA DEL VINO - 39052 - BZ");
    EXPECT_EQ(lungo.comune, "CALDARO SULLA STRADA DEL VINO");
    EXPECT_EQ(lungo.cap, "39052");
    EXPECT_EQ(lungo.provincia, "BZ");

    // A separator inside the name leaves code and province at the end.
    const RigaComune dentro = dividi_riga_comune("A - B                    - 12345 - XY");
    EXPECT_EQ(dentro.comune, "A - B");
    EXPECT_EQ(dentro.cap, "12345");
    EXPECT_EQ(dentro.provincia, "XY");

    const RigaComune vuota = dividi_riga_comune("");
    EXPECT_EQ(vuota.comune, "");
    EXPECT_EQ(vuota.cap, "");
    EXPECT_EQ(vuota.provincia, "");
}

}  // namespace
}  // namespace ga
