#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/number.h"
#include "records/movimenti.h"
#include "records/note.h"
#include "records/prenotazioni.h"
#include "support/banco.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

// Ten notes: note 2 is an empty line, note 4 belongs to booking 1, note 9 to
// booking 3.
Righe dieci_note() {
    Righe n;
    for (int i = 1; i <= 10; ++i) n.push_back("NOTA " + std::to_string(i) + "*5*0011");
    n[1] = "";
    n[3] = "CON CANE*1*0010";
    n[8] = "ARRIVO TARDI*3*0010";
    return n;
}

const std::string kP1 =
    "0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*0,00*200,00*0.00.00*4**3****";
const std::string kP2 = "0011*0002*01/08/2026*15/08/2026*1.200,00*300,00*ND*ND*ND*0.00.00***5****";
const std::string kP3 =
    "0010*0002*01/09/2026*08/09/2026*700,00*200,00*ND*ND*ND*20/09/2026*9*1*9****";

class Note : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"), {"ROSSI MARIO*****0832*0001**PROVV*"});
        b.scrivi(dati("appartamenti.ind"), {"0001*0001*12*MON*SI*1*NO*1*4*ESTIVO***0010",
                                            "0002*0001*14*BIL*SI*1*NO*1*4*ESTIVO***0011"});
        b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*X*",
                                       "0002*VERDI LUCA*VIA LAGO 3*73028*OTRANTO*0836*LE*Y*"});
        b.scrivi(note(), dieci_note());
        b.scrivi(prenotazioni(), {kP1, kP2, kP3});
        b.scrivi(dati("saldi2026.dat"), {"01/07/2026*0001*500,00*ND*0*0,00*200,00*1*0010"});
        app().run([&] { app().testo("prenotazione", "Text21"); });
        // The empty note is told of once, at the first load of the notes.
        app().run([&] { carica_note(app()); });
        const Righe detto = b.nuovi_messaggi();
        ASSERT_EQ(detto.size(), 1u);
        EXPECT_NE(detto[0].find("(LA RIGA 2)"), std::string::npos) << detto[0];
    }
    App& app() { return b.app(); }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string note() const { return dati("noteaff2026.dat"); }
    std::string prenotazioni() const { return dati("prenotazioni2026.dat"); }
    plat::Control& box(const char* form, const char* nome) { return app().campo(form, nome); }
    Righe note_con(int numero, const std::string& riga) {
        Righe n = dieci_note();
        if (numero > 10) n.resize(static_cast<std::size_t>(numero));
        n[static_cast<std::size_t>(numero - 1)] = riga;
        return n;
    }

    // A money operation as its form records it: movement, then the note
    // (appended when the booking has none, else rewritten), then the booking.
    void registra(const std::string& op, const std::string& nota) {
        app().s.numero_nota = nota;
        app().run([&] {
            app().s.operazione = op;
            ASSERT_TRUE(registra_movimento(app()));
            ASSERT_TRUE(plat::leading_int(nota) <= 0 ? aggiungi_nota(app()) : registra_note(app()));
            ASSERT_TRUE(registra_prenotazioni(app()));
        });
    }
    void pagamento(const std::string& k, const std::string& versato, const std::string& nota,
                   const std::string& testo_nota) {
        for (auto [nome, testo] : {std::pair{"Text3", k},
                                   {"Text14", versato},
                                   {"Text10", "700,00"},
                                   {"Text15", "09/12/2026"},
                                   {"Text16", "0001"},
                                   {"Text17", "0011"}})
            app().imposta("saldoaff", nome, testo);
        app().imposta("VisuPrenotCliente", "Text14", testo_nota);
        app().s.appartamento_corrente = 11;
        registra("SALDO", nota);
    }
    void restituzione(const std::string& k, const std::string& nota) {
        for (auto [nome, testo] : {std::pair{"Text1", k},
                                   {"Text3", "-200,00"},
                                   {"Text4", "0001"},
                                   {"Text5", "0010"},
                                   {"Text7", nota},
                                   {"Text8", "10"},
                                   {"Label12", "09/12/2026"}})
            app().imposta("RESTCAUZ", nome, testo);
        registra("RESTCAUZIONE", nota);
    }
    void apri() {
        app().run([&] { app().form("NotaPrenot")->show(); });
    }
    void scegli(int riga) {
        app().pick(box("NotaPrenot", "NRICH"), riga);
        app().leave(box("NotaPrenot", "NRICH"));
    }

    test::Banco b;
};

TEST_F(Note, BalanceRewritesTheBookingsNoteAndClosesTheBooking) {
    pagamento("1", "700,00", "4", "CON CANE");
    EXPECT_EQ(b.byte(note()), crlf(note_con(4, "CON CANE - SALDATO IL 09/12/2026*1*0011")));
    EXPECT_EQ(
        b.byte(prenotazioni()),
        crlf({"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*0,00*200,00*09/12/2026*4*2*3****",
              kP2, kP3}));
    // Whatever form recorded it, the booking form's flags say so.
    EXPECT_EQ(box("prenotazione", "Check3").value(), 1);
    EXPECT_EQ(box("prenotazione", "Check4").value(), 1);
    EXPECT_EQ(box("prenotazione", "Check2").value(), 0);
}

TEST_F(Note, FurtherAdvanceWritesANewNoteAndLeavesTheOldOne) {
    pagamento("1", "200,00", "4", "CON CANE");
    const std::string nuova = "CON CANE - Versato ACCONTO IL 09/12/2026*1*0011";
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, nuova)));
    EXPECT_EQ(b.byte(prenotazioni()),
              crlf({"0010*0001*01/07/2026*15/07/2026*1.500,00*700*ND*0,00*200,00*0.00.00*11**3****",
                    kP2, kP3}));
    EXPECT_EQ(app().testo("VisuPrenotCliente", "Text14"),
              "CON CANE - Versato ACCONTO IL 09/12/2026");
    EXPECT_EQ(app().testo("prenotazione", "Text23"), "11");
}

TEST_F(Note, DepositRefundExtendsTheNoteOrStartsOne) {
    restituzione("3", "9");
    const Righe dopo = note_con(9, "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026*3*0010");
    EXPECT_EQ(b.byte(note()), crlf(dopo));
    EXPECT_EQ(app().testo("RESTCAUZ", "NOTE"), "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026");
    EXPECT_EQ(app().s.prenotazioni[3].campo[pren::nota], "9");

    restituzione("2", "");
    Righe con_nuova = dopo;
    con_nuova.push_back(" - RESTITUITA CAUZIONE IL 09/12/2026*2*0010");
    EXPECT_EQ(b.byte(note()), crlf(con_nuova));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
}

// Two notes appended before the notes are loaded again each get their own
// line number, and a new booking still points at the note appended for it.
TEST_F(Note, EveryAppendTakesTheLineItIsWrittenTo) {
    pagamento("2", "700,00", "", "");
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, " - SALDATO IL  09/12/2026*2*0011")));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::movimento], "2");
    app().imposta("prenotazione", "Text20", "CULLA");
    app().imposta("prenotazione", "Text1", "4");
    app().imposta("prenotazione", "Text7", "0010");
    app().run([&] {
        app().s.operazione = "PRENOTAZIONE";
        ASSERT_TRUE(aggiungi_nota(app()));
    });
    EXPECT_EQ(b.leggi(note()).at(11), "CULLA*4*0010");
    EXPECT_EQ(app().testo("prenotazione", "Text23"), "11");
    EXPECT_EQ(app().s.note[12][0], "CULLA");

    // A line break would split the note's line: refused, nothing written.
    const std::string prima = b.byte(note());
    app().imposta("prenotazione", "Text20", "RIGA UNO\nRIGA DUE");
    bool ok = true;
    app().run([&] { ok = aggiungi_nota(app()); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(note()), prima);
}

TEST_F(Note, NoteFormAppendsTheNoteOfABookingWithoutOneAndThenRewritesIt) {
    apri();
    EXPECT_EQ(box("NotaPrenot", "NRICH").list_count(), 3);
    EXPECT_EQ(box("NotaPrenot", "NRICH").item(2), "003");
    EXPECT_TRUE(box("NotaPrenot", "NRICH").visible());
    EXPECT_EQ(box("NotaPrenot", "NOCLI").list_count(), 2);
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    scegli(1);
    EXPECT_EQ(app().testo("NotaPrenot", "Text1"), "002");
    EXPECT_EQ(app().testo("NotaPrenot", "Text2"), "VERDI LUCA");
    EXPECT_FALSE(box("NotaPrenot", "NOCLI").visible());
    EXPECT_EQ(app().testo("NotaPrenot", "Text4"), "0002");
    EXPECT_EQ(app().testo("NotaPrenot", "Text5"), "0011");
    EXPECT_EQ(app().testo("NotaPrenot", "Text3"), "10");
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "11");
    EXPECT_EQ(app().testo("NotaPrenot", "Label6"), "01/08/2026 - 15/08/2026");

    app().type(box("NotaPrenot", "Text6"), "PORTARE CULLA");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, "PORTARE CULLA*002*0011")));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    // Saving again changes the same note; no second note is appended.
    app().type(box("NotaPrenot", "Text6"), "PORTARE CULLA E SEGGIOLONE");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, "PORTARE CULLA E SEGGIOLONE*002*0011")));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Note, NoteFormShowsTheBookingsAmountsAsMoney) {
    b.scrivi(prenotazioni(),
             {kP1, "0011*0002*01/08/2026*15/08/2026*2682*894*ND*ND*ND*0.00.00***5****", kP3});
    app().run([&] { carica_prenotazioni(app()); });
    apri();
    scegli(1);
    EXPECT_NE(app().testo("NotaPrenot", "Label7").find(" - AFFITTO 2.682,00 - ACCONTO 894,00"),
              std::string::npos)
        << app().testo("NotaPrenot", "Label7");
}

TEST_F(Note, NoteFormRewritesTheBookingsOwnNoteOnly) {
    apri();
    scegli(0);
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "4");
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON CANE");
    app().type(box("NotaPrenot", "Text6"), "CON DUE CANI");
    // Tabbing round the form leaves the booking box again: the typing stays.
    app().leave(box("NotaPrenot", "NRICH"));
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON DUE CANI");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()), crlf(note_con(4, "CON DUE CANI*001*0010")));
    EXPECT_EQ(b.byte(prenotazioni()), crlf({kP1, kP2, kP3}));

    // Booking 2 pointing at booking 1's note gets a note of its own.
    app().s.prenotazioni[2].campo[pren::nota] = "4";
    scegli(1);
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "11");
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "");
}

TEST_F(Note, NoteFormWithOneBookingShowsItAtOnceAndItsExitGivesBackTheMenu) {
    b.scrivi(prenotazioni(), {kP1});
    app().run([&] { carica_prenotazioni(app()); });
    app().run([&] { app().form("MENU")->set_enabled(false); });
    apri();
    EXPECT_EQ(app().testo("NotaPrenot", "Text1"), "001");
    EXPECT_FALSE(box("NotaPrenot", "NRICH").visible());
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON CANE");
    EXPECT_EQ(app().testo("NotaPrenot", "Text2"), "BIANCHI ANNA");

    app().click(box("NotaPrenot", "ESCI"));
    EXPECT_FALSE(app().form("NotaPrenot")->is_loaded());
    EXPECT_TRUE(app().form("MENU")->is_enabled());
}

}  // namespace
}  // namespace ga
