// The agency at full capacity, for the benchmark: temporary program and data
// folders whose every register holds as many records as its table takes
// (1000 clients, bookings, periods, notes and movements; 200 owners; 500
// apartments and streets; 100 banks, expenses and invoices), or ten times as
// many clients, bookings, notes and movements (or of every register), with
// records such as an agency keeps, and the program started on them as a
// user starts it, with or without its windows.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/date.h"
#include "records/app.h"

namespace gui {
class Desktop;
}

namespace bench {

// The day the clock reads: the middle of the season, with bookings already
// over, bookings under way and bookings to come.
plat::Date oggi();
inline constexpr int kAnno = 2026;

class ArchivioPieno {
public:
    // `liberi`: records left free in the bookings, notes and journal, so that
    // a new booking can be saved (0: every table full). `scala`: the clients,
    // bookings, notes and journal hold that many times the tables' capacity
    // (the registers grow past their tables); with `ogni_registro`, so do the
    // owners, apartments, streets, periods, banks, expenses and invoices.
    explicit ArchivioPieno(int liberi = 0, int scala = 1, bool ogni_registro = false);
    ~ArchivioPieno();
    ArchivioPieno(const ArchivioPieno&) = delete;
    ArchivioPieno& operator=(const ArchivioPieno&) = delete;

    // Folders, each ending in "/".
    const std::string& programma() const { return programma_; }
    const std::string& dati() const { return dati_; }
    // Full paths of a data file ("clienti.dat", "prenotazioni2026.dat" ...)
    // and of a program-folder file.
    std::string file_dati(const std::string& nome) const { return dati_ + nome; }
    std::string file_programma(const std::string& nome) const { return programma_ + nome; }

    // The bytes of a file, and a file written back to them.
    std::string byte(const std::string& percorso) const;
    void ripristina(const std::string& percorso, const std::string& byte) const;

    // Names of the clients and of the owners, in file order.
    const std::vector<std::string>& clienti() const { return clienti_; }
    const std::vector<std::string>& proprietari() const { return proprietari_; }
    // Records in the bookings register, the apartments, the periods (half
    // of them free) and the invoices.
    int prenotazioni() const { return prenotazioni_; }
    int appartamenti() const { return appartamenti_; }
    int periodi() const { return periodi_; }
    int fatture() const { return fatture_; }
    // A client with a booking still open, its arrival to come.
    const std::string& cliente_con_prenotazione_aperta() const { return cliente_aperta_; }

private:
    void scrivi(const std::string& percorso, const std::vector<std::string>& righe) const;

    std::filesystem::path radice_;
    std::string programma_, dati_;
    std::vector<std::string> clienti_, proprietari_;
    int prenotazioni_ = 0, appartamenti_ = 0, periodi_ = 0, fatture_ = 0;
    std::string cliente_aperta_;
};

// The program on an archive: scripted message boxes (answered with their
// first button), the clock at `oggi()`, and, with `finestre`, its windows on
// the screen Qt was given (the offscreen platform in the benchmark).
class Programma {
public:
    Programma(const std::string& cartella_programma, bool finestre);
    ~Programma();

    ga::App& app() { return *app_; }
    bool finestre() const { return desktop_ != nullptr; }

    // The start form shown, as when the program is started.
    void avvia();
    // From the start form to the menu: AVANTI, whose menu activation runs the
    // expired-bookings check (which loads every table); its window closed.
    void fino_al_menu();
    // Lets the windows do what the last change left them (layout, painting):
    // what a user waits for before seeing the result.
    static void assesta();

private:
    std::unique_ptr<ga::App> app_;
    std::unique_ptr<gui::Desktop> desktop_;
};

}  // namespace bench
