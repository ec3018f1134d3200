#include "records/stampa.h"

#include "platform/record_file.h"

namespace ga {

namespace {

// A PDF already in the folder may be the only copy of another page (last
// year's receipt with the same number, a list printed earlier): the new one
// takes the first free name after it ("ricevuta_2026_001-2.pdf").
std::string nome_libero(const std::string& percorso) {
    if (percorso.empty() || !plat::file_exists(percorso)) return percorso;
    const std::size_t barra = percorso.find_last_of('/');
    const std::size_t punto = percorso.rfind('.');
    const bool estensione =
        punto != std::string::npos && (barra == std::string::npos || punto > barra);
    const std::string base = estensione ? percorso.substr(0, punto) : percorso;
    const std::string coda = estensione ? percorso.substr(punto) : "";
    for (int n = 2;; ++n) {
        std::string altro = base + "-" + std::to_string(n) + coda;
        if (!plat::file_exists(altro)) return altro;
    }
}

// Asks whether to save the page as its PDF too (or instead); true when the
// user said yes.
bool offri_pdf(App& app, const plat::PrintJob& job, const DocumentoStampa& d,
               const std::string& testo, const char* anche) {
    return app.msgbox(testo + "\r" + "VUOI " + (d.femminile ? "SALVARLA" : "SALVARLO") + anche +
                          " NEL FILE\r" + job.pdf_path + " ?",
                      plat::Buttons::YesNo, d.titolo, plat::Icon::Exclamation) == plat::Answer::Yes;
}

// "SALVAT" + "A" or "O", as the document is named.
std::string accordato(const DocumentoStampa& d, const std::string& radice) {
    return radice + (d.femminile ? "A" : "O");
}

void avvisa(App& app, const std::string& riga) { app.notice(riga); }

// The page written as its PDF after the printer would not take it.
bool salva_invece(App& app, plat::PrinterService& stampante, const plat::PrintJob& job,
                  const DocumentoStampa& d) {
    const plat::PrintResult pdf = stampante.save_pdf(job);
    if (pdf.outcome == plat::PrintOutcome::SavedAsPdf) {
        avvisa(app, d.nome + " " + accordato(d, "SALVAT") + " NEL FILE " + pdf.where);
        return true;
    }
    app.msgbox(d.non_stampato + "\r" + pdf.error, plat::Buttons::Ok, d.titolo,
               plat::Icon::Exclamation);
    avvisa(app, d.nome + " NON " + accordato(d, "STAMPAT"));
    return false;
}

}  // namespace

bool stampa_documento(App& app, const plat::PrintJob& lavoro, const DocumentoStampa& documento) {
    const DocumentoStampa& d = documento;
    plat::PrintJob job = lavoro;
    job.pdf_path = nome_libero(lavoro.pdf_path);
    plat::PrinterService* stampante = app.printer();
    const plat::PrintResult esito = stampante
                                        ? stampante->print(job)
                                        : plat::PrintResult{plat::PrintOutcome::Failed, "",
                                                            "NESSUNA STAMPANTE DISPONIBILE.", ""};
    switch (esito.outcome) {
        case plat::PrintOutcome::Printed:
            avvisa(app, d.nome + " " + accordato(d, "INVIAT") + " ALLA STAMPANTE " + esito.where);
            return true;
        case plat::PrintOutcome::Held: {
            // The job is the print service's: it comes out when the printer
            // is started again. The user, who may need the page now, is
            // told in a box and offered the PDF.
            const std::string ferma = d.nome + " IN ATTESA: LA STAMPANTE " + esito.where +
                                      " E' FERMA" +
                                      (esito.reason.empty() ? "" : " (" + esito.reason + ")");
            const std::string testo = ferma + ".\r" + accordato(d, "SARA' STAMPAT") +
                                      " QUANDO LA STAMPANTE SARA' PRONTA.";
            if (job.pdf_path.empty())
                app.msgbox(testo, plat::Buttons::Ok, d.titolo, plat::Icon::Exclamation);
            else if (offri_pdf(app, job, d, testo, " ANCHE") &&
                     salva_invece(app, *stampante, job, d))
                return true;
            avvisa(app, ferma);
            return true;
        }
        case plat::PrintOutcome::Unknown:
            // It may print or not: the page is offered as its PDF, and it
            // does not count as printed.
            if (job.pdf_path.empty())
                app.msgbox(esito.error, plat::Buttons::Ok, d.titolo, plat::Icon::Exclamation);
            else if (offri_pdf(app, job, d, esito.error, "") &&
                     salva_invece(app, *stampante, job, d))
                return false;
            avvisa(app, d.nome + ": " + esito.error);
            return false;
        case plat::PrintOutcome::SavedAsPdf: {
            const std::string perche =
                esito.error.empty() ? std::string("NESSUNA STAMPANTE DISPONIBILE") : esito.error;
            app.msgbox(perche + ".\r" + d.salvato + " NEL FILE\r" + esito.where, plat::Buttons::Ok,
                       d.titolo, plat::Icon::Information);
            avvisa(app, perche + ": " + accordato(d, "SALVAT") + " NEL FILE " + esito.where);
            return true;
        }
        case plat::PrintOutcome::Refused:
            // Nothing came of the print: the page is offered as its PDF, so
            // that the user has it somewhere, or knows it is nowhere.
            if (!job.pdf_path.empty() &&
                offri_pdf(app, job, d, esito.error + " " + d.non_stampato, ""))
                return salva_invece(app, *stampante, job, d);
            if (job.pdf_path.empty())
                app.msgbox(esito.error + " " + d.non_stampato, plat::Buttons::Ok, d.titolo,
                           plat::Icon::Exclamation);
            avvisa(app, d.nome + " NON " + accordato(d, "STAMPAT") + ": " + esito.error);
            return false;
        case plat::PrintOutcome::Failed: break;
    }
    app.msgbox(d.non_stampato + "\r" + esito.error, plat::Buttons::Ok, d.titolo,
               plat::Icon::Exclamation);
    avvisa(app, d.nome + " NON " + accordato(d, "STAMPAT"));
    return false;
}

}  // namespace ga
