#include "records/stampa.h"

namespace ga {

bool stampa_documento(App& app, const plat::PrintJob& job, const DocumentoStampa& documento) {
    plat::PrinterService* stampante = app.printer();
    const plat::PrintResult esito = stampante ? stampante->print(job)
                                              : plat::PrintResult{plat::PrintOutcome::Failed, "",
                                                                  "NESSUNA STAMPANTE DISPONIBILE."};
    switch (esito.outcome) {
        case plat::PrintOutcome::Printed: return true;
        case plat::PrintOutcome::SavedAsPdf:
            app.msgbox("NESSUNA STAMPANTE DISPONIBILE.\r" + documento.salvato + " NEL FILE\r" +
                           esito.where,
                       plat::Buttons::Ok, documento.titolo, plat::Icon::Information);
            return true;
        case plat::PrintOutcome::Failed: break;
    }
    app.msgbox(documento.non_stampato + "\r" + esito.error, plat::Buttons::Ok, documento.titolo,
               plat::Icon::Exclamation);
    return false;
}

}  // namespace ga
