// One way out to paper for every document the program prints: the job goes
// to the desktop's printer; on a computer without one the page is saved as
// the job's PDF and the user is told where; a page that cannot be printed is
// told, with the reason.
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
};

// True when the page was printed or saved as a PDF.
bool stampa_documento(App& app, const plat::PrintJob& job, const DocumentoStampa& documento);

}  // namespace ga
