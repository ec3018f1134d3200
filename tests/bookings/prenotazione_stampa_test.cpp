// What the booking page makes of each answer of the print service: the
// receipt is told where it went, a refused, held or failed one is told with
// the printer's reason and offered as a PDF, and the page can be left only
// once the receipt exists somewhere (on a printer's queue or as a whole
// PDF), never after a print whose outcome the service did not tell.
#include <optional>
#include <ostream>

#include "prenotazione_banco.h"

namespace ga::test {
namespace {

using plat::PrintOutcome;

struct CasoStampa {
    const char* nome;
    plat::PrintResult risposta;                     // the printer's answer to the print
    std::optional<plat::Answer> salvare;            // the answer to the offer of a PDF
    std::optional<plat::PrintResult> risposta_pdf;  // the answer to the PDF asked for
    Righe messaggi;                                 // "%PDF" stands for the receipt's PDF path
    std::string riga;
    bool si_esce;
};

std::string con_pdf(std::string t, const std::string& pdf) {
    for (std::size_t at; (at = t.find("%PDF")) != std::string::npos;) t.replace(at, 4, pdf);
    return t;
}

void PrintTo(const CasoStampa& c, std::ostream* os) { *os << c.nome; }

class StampaPrenotazione : public PaginaPrenotazione,
                           public ::testing::WithParamInterface<CasoStampa> {};

TEST_P(StampaPrenotazione, TheReceiptIsToldWhereItWentAndThePageIsLeftOnlyWhenItExists) {
    const CasoStampa& c = GetParam();
    prepara_prenotazione();
    app.click(p().SALVA);
    ASSERT_EQ(p().Check3.value(), 1);
    b.nuovi_messaggi();
    const std::string pdf = file("ricevuta_2026_003.pdf");

    b.stampante().result = c.risposta;
    b.stampante().result.where = con_pdf(c.risposta.where, pdf);
    b.stampante().result.error = con_pdf(c.risposta.error, pdf);
    b.stampante().pdf_result = c.risposta_pdf;
    if (c.salvare) b.messaggi().answer(*c.salvare);
    app.click(p().STAMPA);
    Righe attesi;
    for (const std::string& m : c.messaggi) attesi.push_back(con_pdf(m, pdf));
    EXPECT_EQ(b.nuovi_messaggi(), attesi);
    EXPECT_EQ(b.messaggi().notices(), Righe{con_pdf(c.riga, pdf)});
    EXPECT_EQ(b.stampante().pdfs.size(), c.salvare == plat::Answer::Yes ? 1u : 0u);
    EXPECT_EQ(p().Check5.value(), c.si_esce ? 1 : 0);

    app.click(p().ESCI);
    EXPECT_EQ(p().is_loaded(), !c.si_esce);
    if (!c.si_esce) {
        EXPECT_EQ(b.nuovi_messaggi(), Righe{"LA PRENOTAZIONE NON E' STATA STAMPATA..."});
    }
}

const std::string kRifiuto = "LA STAMPANTE Ufficio NON ACCETTA STAMPE: coda chiusa.";
const std::string kOffertaRifiuto = kRifiuto +
                                    " LA RICEVUTA NON E' STATA STAMPATA.\rVUOI SALVARLA NEL "
                                    "FILE\r%PDF ?";
const std::string kMeta = "LA STAMPANTE Ufficio NON HA PRESO LA STAMPA: Broken pipe.";
const std::string kFerma = "RICEVUTA IN ATTESA: LA STAMPANTE Ufficio E' FERMA (carta inceppata)";
const std::string kQuandoPronta = "SARA' STAMPATA QUANDO LA STAMPANTE SARA' PRONTA.";
const std::string kOffertaAnche = "\rVUOI SALVARLA ANCHE NEL FILE\r%PDF ?";
const std::string kIgnoto =
    "IL SERVIZIO DI STAMPA NON HA RISPOSTO: NON SI SA SE LA STAMPANTE Ufficio HA PRESO LA STAMPA.";
const std::string kDiscoPieno =
    "NESSUNA STAMPANTE DISPONIBILE E IMPOSSIBILE SCRIVERE IL FILE\r%PDF";

INSTANTIATE_TEST_SUITE_P(
    Esiti, StampaPrenotazione,
    ::testing::Values(
        CasoStampa{"Accepted",
                   {PrintOutcome::Printed, "Ufficio", "", ""},
                   {},
                   {},
                   {},
                   "RICEVUTA INVIATA ALLA STAMPANTE Ufficio",
                   true},
        CasoStampa{"HeldByAStoppedPrinter",
                   {PrintOutcome::Held, "Ufficio", "", "carta inceppata"},
                   plat::Answer::No,
                   {},
                   {kFerma + ".\r" + kQuandoPronta + kOffertaAnche},
                   kFerma,
                   true},
        CasoStampa{"HeldAndThePdfSavedToo",
                   {PrintOutcome::Held, "Ufficio", "", "carta inceppata"},
                   plat::Answer::Yes,
                   {},
                   {kFerma + ".\r" + kQuandoPronta + kOffertaAnche},
                   "RICEVUTA SALVATA NEL FILE %PDF",
                   true},
        CasoStampa{"NoAnswerFromTheServiceAndThePdfSaved",
                   {PrintOutcome::Unknown, "Ufficio", kIgnoto, ""},
                   plat::Answer::Yes,
                   {},
                   {kIgnoto + "\rVUOI SALVARLA NEL FILE\r%PDF ?"},
                   "RICEVUTA SALVATA NEL FILE %PDF",
                   false},
        CasoStampa{"NoAnswerFromTheServiceAndThePdfDeclined",
                   {PrintOutcome::Unknown, "Ufficio", kIgnoto, ""},
                   plat::Answer::No,
                   {},
                   {kIgnoto + "\rVUOI SALVARLA NEL FILE\r%PDF ?"},
                   "RICEVUTA: " + kIgnoto,
                   false},
        CasoStampa{"RefusedAndThePdfDeclined",
                   {PrintOutcome::Refused, "Ufficio", kRifiuto, "coda chiusa"},
                   plat::Answer::No,
                   {},
                   {kOffertaRifiuto},
                   "RICEVUTA NON STAMPATA: " + kRifiuto,
                   false},
        CasoStampa{"FailedHalfWayAndSavedAsPdf",
                   {PrintOutcome::Refused, "Ufficio", kMeta, ""},
                   plat::Answer::Yes,
                   {},
                   {kMeta + " LA RICEVUTA NON E' STATA STAMPATA.\rVUOI SALVARLA NEL FILE\r%PDF ?"},
                   "RICEVUTA SALVATA NEL FILE %PDF",
                   true},
        CasoStampa{
            "RefusedAndThePdfNotWhole",
            {PrintOutcome::Refused, "Ufficio", kRifiuto, "coda chiusa"},
            plat::Answer::Yes,
            plat::PrintResult{PrintOutcome::Failed, "", "IMPOSSIBILE SCRIVERE IL FILE\rX", ""},
            {kOffertaRifiuto,
             "LA RICEVUTA NON E' STATA STAMPATA.\rIMPOSSIBILE SCRIVERE IL FILE\rX"},
            "RICEVUTA NON STAMPATA",
            false},
        CasoStampa{"NoPrintServiceSavedAsPdf",
                   {PrintOutcome::SavedAsPdf, "%PDF", "SERVIZIO DI STAMPA NON RAGGIUNGIBILE", ""},
                   {},
                   {},
                   {"SERVIZIO DI STAMPA NON RAGGIUNGIBILE.\rLA RICEVUTA E' STATA SALVATA NEL "
                    "FILE\r%PDF"},
                   "SERVIZIO DI STAMPA NON RAGGIUNGIBILE: SALVATA NEL FILE %PDF",
                   true},
        CasoStampa{"NoPrinterAndThePdfNotWhole",
                   {PrintOutcome::Failed, "", kDiscoPieno, ""},
                   {},
                   {},
                   {"LA RICEVUTA NON E' STATA STAMPATA.\r" + kDiscoPieno},
                   "RICEVUTA NON STAMPATA",
                   false}),
    [](const auto& info) { return std::string(info.param.nome); });

// A PDF already in the data folder (a receipt of the same number kept from
// before, perhaps the only copy) is never written over: the new page takes
// the next free name, and the user is told that one.
TEST_F(PaginaPrenotazione, AReceiptPdfAlreadyThereIsKeptAndTheNewOneNamedAfterIt) {
    prepara_prenotazione();
    app.click(p().SALVA);
    b.nuovi_messaggi();
    for (const char* nome : {"ricevuta_2026_003.pdf", "ricevuta_2026_003-2.pdf"})
        b.scrivi(file(nome), {"LA COPIA DI PRIMA"});
    b.stampante().result = {PrintOutcome::Refused, "Ufficio", kRifiuto, "coda chiusa"};
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().STAMPA);
    const std::string nuovo = file("ricevuta_2026_003-3.pdf");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{con_pdf(kOffertaRifiuto, nuovo)});
    ASSERT_EQ(b.stampante().pdfs.size(), 1u);
    EXPECT_EQ(b.stampante().pdfs[0].pdf_path, nuovo);
    EXPECT_EQ(b.leggi(file("ricevuta_2026_003.pdf")), Righe{"LA COPIA DI PRIMA"});
}

}  // namespace
}  // namespace ga::test
