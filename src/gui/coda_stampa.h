// Handing a finished document to the print system (CUPS) through its own
// library, so that the program knows what became of it: the queue took the
// job (and prints it, or holds it while the printer is stopped), or said no,
// with its reason, or did not say. Qt's print engine does not tell a refused
// job. The library is loaded when the first print needs it, so that a start
// that prints nothing does not pay for it and its dependencies.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>

namespace gui {

struct EsitoCoda {
    enum Tipo {
        Inviata,        // the default printer took the job and is working
        InAttesa,       // it took the job but is stopped: `motivo`
        NoServizio,     // no print service answers (or the user stopped waiting for it)
        NoStampanti,    // the service has no printer
        NoPredefinita,  // printers, but none is the default one
        Rifiutata,      // the default printer did not take the job, or not whole: `errore`
        Ignota,         // the service did not say whether it took the job: `errore`
    };
    Tipo tipo = NoServizio;
    std::string stampante;  // the default printer's name
    std::string motivo;     // the printer's state message ("carta inceppata")
    std::string errore;     // for the user: "LA STAMPANTE Ufficio NON ACCETTA STAMPE: coda chiusa."
};

// What a print in progress shares with the window that waits for it: what
// it is doing now, for the user to read, and the user's giving up.
class AttesaStampa {
public:
    void rinuncia() { rinuncia_ = true; }
    bool rinunciata() const { return rinuncia_; }
    std::string fase() const {
        const std::lock_guard<std::mutex> lock(m_);
        return fase_;
    }
    void imposta_fase(std::string testo) {
        const std::lock_guard<std::mutex> lock(m_);
        fase_ = std::move(testo);
    }

private:
    std::atomic<bool> rinuncia_{false};
    mutable std::mutex m_;
    std::string fase_;
};

// Sends the PDF document to the default printer of the print service at
// `server` (a host name or a socket's path; "" for the one the user's
// settings name), `copies` collated copies, under `title`. Never to another
// printer than the default one. Every wait on the service is bounded, and
// ends soon after `attesa` is given up (NoServizio, the job cancelled when
// the service still listens). Runs on any thread; touches no window.
EsitoCoda invia_alla_stampante(std::string_view pdf, const std::string& title, int copies,
                               const std::string& server, AttesaStampa& attesa);

// Whether the print system's library could be loaded (false: every print
// is NoServizio).
bool libreria_di_stampa_presente();

}  // namespace gui
