#include "records/stampa.h"

namespace ga {

namespace {

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

bool stampa_documento(App& app, const plat::PrintJob& job, const DocumentoStampa& documento) {
    const DocumentoStampa& d = documento;
    plat::PrinterService* stampante = app.printer();
    const plat::PrintResult esito = stampante
                                        ? stampante->print(job)
                                        : plat::PrintResult{plat::PrintOutcome::Failed, "",
                                                            "NESSUNA STAMPANTE DISPONIBILE.", ""};
    switch (esito.outcome) {
        case plat::PrintOutcome::Printed:
            avvisa(app, d.nome + " " + accordato(d, "INVIAT") + " ALLA STAMPANTE " + esito.where);
            return true;
        case plat::PrintOutcome::Held:
            // The job is the print service's: it comes out when the printer
            // is started again.
            avvisa(app, d.nome + " IN ATTESA: LA STAMPANTE " + esito.where + " E' FERMA" +
                            (esito.reason.empty() ? "" : " (" + esito.reason + ")"));
            return true;
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
                app.msgbox(esito.error + " " + d.non_stampato + "\r" + "VUOI " +
                               (d.femminile ? "SALVARLA" : "SALVARLO") + " NEL FILE\r" +
                               job.pdf_path + " ?",
                           plat::Buttons::YesNo, d.titolo,
                           plat::Icon::Exclamation) == plat::Answer::Yes)
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
