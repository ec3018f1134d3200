// Handing a finished document to the print system (CUPS) through its own
// library, so that the program knows what became of it: the queue took the
// job (and prints it, or holds it while the printer is stopped), or said no,
// with its reason. Qt's print engine does not tell a refused job.
#pragma once

#include <string>
#include <string_view>

namespace gui {

struct EsitoCoda {
    enum Tipo {
        Inviata,        // the default printer took the job and is working
        InAttesa,       // it took the job but is stopped: `motivo`
        NoServizio,     // no print service answers
        NoStampanti,    // the service has no printer
        NoPredefinita,  // printers, but none is the default one
        Rifiutata,      // the default printer did not take the job, or not whole: `errore`
    };
    Tipo tipo = NoServizio;
    std::string stampante;  // the default printer's name
    std::string motivo;     // the printer's state message ("carta inceppata")
    std::string errore;     // for the user: "LA STAMPANTE Ufficio NON ACCETTA STAMPE: coda chiusa."
};

// Sends the PDF document to the default printer of the print service at
// `server` (a host name or a socket's path; "" for the one the user's
// settings name), `copies` collated copies, under `title`. Never to another
// printer than the default one. Every wait on the service is bounded.
EsitoCoda invia_alla_stampante(std::string_view pdf, const std::string& title, int copies,
                               const std::string& server = {});

}  // namespace gui
