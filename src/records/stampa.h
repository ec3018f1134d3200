// One way out to paper for every document the program prints: the job goes
// to the desktop's default printer; on a computer without one (or without a
// print service, or without a default printer) the page is saved as the
// job's PDF and the user is told where; a printer that does not take the job
// is told with its name and its reason, and the page is offered as the PDF
// instead. After every print one line that needs no click says where the
// page went.
#pragma once

#include <string>

#include "platform/services.h"
#include "records/app.h"

namespace ga {

// The words that name the document in what the user is told.
struct DocumentoStampa {
    std::string salvato;       // "LA FATTURA E' STATA SALVATA": a PDF was written
    std::string non_stampato;  // "LA FATTURA NON E' STATA STAMPATA."
    std::string titolo;        // the boxes' title
    std::string nome;          // "FATTURA": the document, in the line told after the print
    bool femminile = true;     // "SALVATA" or "SALVATO"
};

// True when a printer took the page (printing or waiting) or its PDF was
// written whole; false when nothing of it exists anywhere, or when the print
// service did not say whether it took the page. A PDF never replaces one
// already in the folder: it takes the next free name.
bool stampa_documento(App& app, const plat::PrintJob& job, const DocumentoStampa& documento);

}  // namespace ga
