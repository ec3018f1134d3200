// Registers longer than the tables were made for: every record is loaded,
// and a save, of a record of the file or of a new one after the last, writes
// every record back.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti.h"
#include "records/banche.h"
#include "records/caricamento.h"
#include "records/clienti.h"
#include "records/fatture.h"
#include "records/note.h"
#include "records/periodi.h"
#include "records/prenotazioni.h"
#include "records/proprietari.h"
#include "records/vie.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

std::string n4(long i) { return plat::pad_code(std::to_string(i), 4); }

struct Registro {
    const char* nome;
    std::string Stato::*percorso;
    int righe;  // lines of the file, past the table's first size
    std::string (*riga)(int i);
    void (*carica)(App&);
    const char *forma_conta, *box_conta;
    // Hands record k to its writer as its form does; what the writer returned.
    bool (*scrivi)(App&, long k);
    bool aggiunge;  // the writer also adds a record after the last
};

void PrintTo(const Registro& r, std::ostream* os) { *os << r.nome; }

using Boxes = std::initializer_list<std::pair<const char*, std::string>>;
void metti(App& a, const char* forma, Boxes boxes) {
    for (const auto& [box, testo] : boxes) a.imposta(forma, box, testo);
}
std::string t(long n) { return std::to_string(n); }
// A new record arrives with its count store raised to it.
std::string conta_fino_a(App& a, const char* forma, const char* box, long k) {
    return t(std::max(k, a.conta(forma, box)));
}

const Registro kRegistri[] = {
    {"vie", &Stato::percorso_vie, 600,
     [](int i) {
         return test::riga_via({{vie::codice, n4(i)}, {vie::nome, "VIA " + t(i)}});
     },
     carica_vie, "appartament", "Text45",
     [](App& a, long k) {
         metti(a, "appartament",
               {{"Text45", conta_fino_a(a, "appartament", "Text45", k)},
                {"Text46", t(k)},
                {"Text2", "SEGNO"}});
         return registra_via(a);
     },
     true},
    {"proprietari", &Stato::percorso_proprietari, 400,
     [](int i) {
         return test::riga_proprietario({{proprietario::nome, "PROPR " + t(i)},
                                         {proprietario::via, "VIA"},
                                         {proprietario::citta, "BARI"},
                                         {proprietario::provincia, "BA"},
                                         {proprietario::cap, "70100"},
                                         {proprietario::telefono, "080"},
                                         {proprietario::codice, n4(i)},
                                         {proprietario::codice_fiscale, "CF"},
                                         {proprietario::rapporto, "PROVV"}});
     },
     carica_proprietari, "PROPRIETARI", "Text1",
     [](App& a, long k) {
         metti(a, "PROPRIETARI",
               {{"Text1", conta_fino_a(a, "PROPRIETARI", "Text1", k)},
                {"Text8", t(k)},
                {"Text2", "SEGNO " + t(k)},
                {"Text7", n4(k)}});
         return registra_proprietari(a);
     },
     true},
    {"appartamenti", &Stato::percorso_appartamenti, 600,
     [](int i) {
         return test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                         {appartamento::codice_via, "000"},
                                         {appartamento::civico, t(i)},
                                         {appartamento::tipo, "MON"},
                                         {appartamento::soggiorno, "SI"},
                                         {appartamento::bagni, "1"},
                                         {appartamento::giardino, "NO"},
                                         {appartamento::piano, "1"},
                                         {appartamento::posti_letto, "4"},
                                         {appartamento::periodicita, "ESTIVO"},
                                         {appartamento::codice, n4(i)}});
     },
     carica_appartamenti, "appartament", "Text23",
     [](App& a, long k) {
         metti(a, "appartament", {{"Text27", t(k)}, {"Text9", "SEGNO"}, {"Text44", n4(k)}});
         return registra_appartamento(a);
     },
     true},
    {"clienti", &Stato::percorso_clienti, 2000,
     [](int i) {
         return test::riga_cliente({{cliente::codice, n4(i)},
                                    {cliente::nome, "CLIENTE " + t(i)},
                                    {cliente::via, "VIA"},
                                    {cliente::cap, "70100"},
                                    {cliente::citta, "BARI"},
                                    {cliente::telefono, "080"},
                                    {cliente::provincia, "BA"},
                                    {cliente::codice_fiscale, "CF"}});
     },
     carica_clienti, "prenotazione", "Text22",
     [](App& a, long k) {
         metti(a, "prenotazione",
               {{"Text24", t(k)}, {"Text8", "SEGNO " + t(k)}, {"Text25", n4(k)}});
         return test::registra_cliente_del_blocco(a);
     },
     true},
    {"fatture", &Stato::percorso_fatture, 150,
     [](int i) {
         return test::riga_fattura({{fatt::data, "01/03/2026"},
                                    {fatt::numero, t(i)},
                                    {fatt::cliente, "0001"},
                                    {fatt::descrizione, "SERVIZIO"},
                                    {fatt::imponibile, "100,00"},
                                    {fatt::iva, "22,00"},
                                    {fatt::regime, "1"},
                                    {fatt::ritenuta, "0,00"},
                                    {fatt::totale, "122,00"}});
     },
     carica_fatture, "fattura", "Text6",
     [](App& a, long k) {
         a.s.operazione = "CLIENTI";
         metti(a, "fattura",
               {{"Text4", t(k)}, {"Text5", "05/03/2026"}, {"Text14", "0001"}, {"Text1", "SEGNO"}});
         return registra_fattura(a);
     },
     true},
    {"note", &Stato::percorso_note, 1200,
     [](int i) {
         return test::riga_nota({{nota::testo, "NOTA " + t(i)},
                                 {nota::prenotazione, "1"},
                                 {nota::appartamento, "0010"}});
     },
     carica_note, "prenotazione", "Text23",
     [](App& a, long k) {
         a.s.operazione = "INSNOTAAFF";
         metti(a, "NotaPrenot",
               {{"Text7", t(k)}, {"Text6", "SEGNO"}, {"Text1", "1"}, {"Text5", "0010"}});
         return registra_note(a);
     },
     true},
    {"prenotazioni", &Stato::percorso_prenotazioni, 1200,
     [](int i) {
         return test::riga_prenotazione({{pren::appartamento, n4(i)},
                                         {pren::cliente, "0001"},
                                         {pren::arrivo, "01/07/2026"},
                                         {pren::partenza, "15/07/2026"},
                                         {pren::affitto, "600,00"},
                                         {pren::acconto, "0,00"},
                                         {pren::diritti, "ND"},
                                         {pren::pulizia, "ND"},
                                         {pren::cauzione, "ND"},
                                         {pren::chiusura, "10/07/2026"},
                                         {pren::movimento, "1"},
                                         {pren::periodo, "1"}});
     },
     carica_prenotazioni, "prenotazione", "Text21",
     [](App& a, long k) {
         a.s.operazione = "PRENOTAZIONE";
         metti(a, "prenotazione",
               {{"Text1", t(k)},
                {"Text7", "0012"},
                {"Text25", "0003"},
                {"Text5", "1/10/2026"},
                {"Text6", "8/10/2026"},
                {"Text15", "600,00"},
                {"Text34", "SEGNO"}});
         return registra_prenotazioni(a);
     },
     true},
    {"periodi", &Stato::percorso_periodi, 1200,
     [](int i) {
         return test::riga_periodo({{periodo::codice, n4(i)},
                                    {periodo::dal, "01/07/2026"},
                                    {periodo::al, "15/07/2026"},
                                    {periodo::prezzo, "500,00"},
                                    {periodo::stato, "LIB"}});
     },
     carica_periodi, "appartament", "Text26",
     [](App& a, long k) {
         // The booking of period k marks it rented ("AFF").
         a.s.operazione = "PRENOTAZIONE";
         metti(a, "prenotazione",
               {{"Text5", "01/07/2026"},
                {"Text6", "15/07/2026"},
                {"Text28", t(k)},
                {"Text7", n4(k)}});
         return aggiorna_periodi(a);
     },
     false},
    {"banche", &Stato::percorso_banche, 150,
     [](int i) { return "BANCA " + t(i) + ",TITOLARE,CC " + t(i) + ",AB,BARI,IT00," + n4(i); },
     carica_banche, "COORDBANCA", "Text19",
     [](App& a, long k) {
         a.s.operazione = "personalizza";
         a.s.indice_banca = static_cast<int>(k);
         metti(a, "PersonalizzaAgenzia", {{"Text14", "SEGNO"}});
         const bool ok = registra_banche(a);
         carica_banche(a);  // as the agency save does after it
         return ok;
     },
     true},
};

class RegistroLungo : public ::testing::TestWithParam<Registro> {
protected:
    void SetUp() override { b.prepara_dati(); }
    bool scrivi(long k) {
        bool ok = false;
        b.app().run([&] { ok = GetParam().scrivi(b.app(), k); });
        return ok;
    }
    test::Banco b;
};

TEST_P(RegistroLungo, EveryRecordIsLoadedAndEverySaveWritesThemAllBack) {
    const Registro& r = GetParam();
    App& app = b.app();
    const std::string percorso = app.s.*r.percorso;
    Righe file;
    for (int i = 1; i <= r.righe; ++i) file.push_back(r.riga(i));
    b.scrivi(percorso, file);
    app.run([&] { r.carica(app); });
    EXPECT_EQ(app.testo(r.forma_conta, r.box_conta), std::to_string(r.righe));

    // The last record changed, then one after it.
    ASSERT_TRUE(scrivi(r.righe));
    if (r.aggiunge) {
        ASSERT_TRUE(scrivi(r.righe + 1));
    }
    const Righe dopo = b.leggi(percorso);
    ASSERT_EQ(dopo.size(), file.size() + (r.aggiunge ? 1 : 0));
    EXPECT_TRUE(std::equal(file.begin(), file.end() - 1, dopo.begin()));
    EXPECT_NE(dopo[file.size() - 1], file.back());
    if (r.aggiunge) {
        EXPECT_NE(dopo.back().find("SEGNO"), std::string::npos) << dopo.back();
    }
    EXPECT_EQ(app.testo(r.forma_conta, r.box_conta), std::to_string(dopo.size()));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
}

INSTANTIATE_TEST_SUITE_P(, RegistroLungo, ::testing::ValuesIn(kRegistri),
                         [](const auto& info) { return std::string(info.param.nome); });

// Long registers read together, each on its thread, load what each loads on
// its own: every record, the forms' counts; a reader that fails reaches the
// caller, and no count is set from a half-read set.
TEST(CaricaInsieme, LongRegistersReadTogetherLoadAsEachAloneAndAFailureReachesTheCaller) {
    test::Banco b;
    b.prepara_dati();
    App& app = b.app();
    std::vector<const Registro*> insieme;
    for (const Registro& r : kRegistri)
        for (const char* nome : {"clienti", "note", "prenotazioni"})
            if (std::string(r.nome) == nome) insieme.push_back(&r);
    ASSERT_EQ(insieme.size(), 3u);
    for (const Registro* r : insieme) {
        Righe file;
        for (int i = 1; i <= r->righe; ++i) file.push_back(r->riga(i));
        b.scrivi(app.s.*r->percorso, file);
    }
    app.run([&] {
        carica_insieme(
            {caricamento_clienti(app), caricamento_note(app), caricamento_prenotazioni(app)});
    });
    for (const Registro* r : insieme)
        EXPECT_EQ(app.testo(r->forma_conta, r->box_conta), std::to_string(r->righe)) << r->nome;
    const RigaCliente ultimo_cliente = app.s.clienti[insieme[0]->righe];
    const std::string ultima_nota = app.s.note[insieme[1]->righe][0];
    app.run([&] {
        carica_clienti(app);
        carica_note(app);
    });
    EXPECT_EQ(app.s.clienti[insieme[0]->righe], ultimo_cliente);
    EXPECT_EQ(app.s.note[insieme[1]->righe][0], ultima_nota);
    EXPECT_FALSE(ultima_nota.empty());

    std::vector<int> chiusi;
    const auto registro = [&](int n, bool fallisce) {
        return Caricamento{[n, fallisce] {
                               if (fallisce) throw std::runtime_error("LETTURA");
                               return n;
                           },
                           [&chiusi](int letti) { chiusi.push_back(letti); }};
    };
    carica_insieme({registro(1, false), registro(2, false), registro(3, false)});
    EXPECT_EQ(chiusi, (std::vector<int>{1, 2, 3}));
    chiusi.clear();
    EXPECT_THROW(carica_insieme({registro(1, false), registro(2, true)}), std::runtime_error);
    EXPECT_EQ(chiusi, std::vector<int>{});
}

// A table makes its rows when one is first reached: grown before that or
// after it, it holds every row up to its new size, the rows reached keep
// their values and the new ones are empty.
TEST(Tabella, CresceCheSiaToccataONo) {
    for (const bool toccata : {false, true}) {
        Tabella<Campi<2>> t(3);
        if (toccata) t[2][1] = "DUE";
        t.allarga(6);
        EXPECT_EQ(t.capacita(), 6);
        EXPECT_EQ(t[2][1], toccata ? "DUE" : "");
        EXPECT_EQ(t[6][0], "");
        t[6][0] = "SEI";
        EXPECT_EQ(t[6][0], "SEI");
        EXPECT_THROW(t[7], std::out_of_range);
    }
}

TEST(IndiceCodici, IlPrimoRecordDiOgniCodiceEntroIlConteggio) {
    Tabella<Campi<2>> t(6);
    const char* codici[] = {"", "7", "3", " 7", "12", "3", ""};
    for (int i = 1; i <= 6; ++i) t[i][0] = codici[i];
    IndiceCodici<double> indice;
    indice.costruisci(t, [](const Campi<2>& c) { return plat::leading_number(c[0]); });
    EXPECT_EQ(indice.primo(7, 6), 1);
    EXPECT_EQ(indice.primo(3, 6), 2);
    EXPECT_EQ(indice.primo(12, 6), 4);
    EXPECT_EQ(indice.primo(12, 3), 0);  // past the count
    EXPECT_EQ(indice.primo(5, 6), 0);
    EXPECT_EQ(indice.primo(0, 6), 6);  // the empty rows read as code 0
    EXPECT_EQ(indice.primo(-0.0, 6), 6);

    // A long table, each code three times: the first of each, every one.
    Tabella<Campi<2>> lunga(21000);
    for (int i = 1; i <= 21000; ++i) lunga[i][0] = std::to_string((i - 1) % 7000 + 1);
    IndiceCodici<long> per_codice;
    per_codice.costruisci(lunga, [](const Campi<2>& c) { return plat::leading_int(c[0]); });
    for (long codice = 1; codice <= 7000; ++codice)
        ASSERT_EQ(per_codice.primo(codice, 21000), codice) << codice;
    EXPECT_EQ(per_codice.primo(7001, 21000), 0);
}

}  // namespace
}  // namespace ga
