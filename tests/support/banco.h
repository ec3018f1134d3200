// A fresh program for each test: scripted message boxes, a fixed clock and
// user, and temporary program and data folders (the program folder holds a
// copy of the shipped files).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted.h"
#include "records/app.h"

namespace ga::test {

class Banco {
public:
    // today: the fixed date of the clock.
    explicit Banco(plat::Date today = plat::Date::from_dmy(9, 12, 2026).value());
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    App& app() { return *app_; }
    // The program started again on the same folders, as after a crash or a
    // power cut: a new application with fresh message boxes, which takes
    // the folders as the start does (`prepara_dati`).
    void riavvia();
    // The same, with the clock set to another day (the year's turn: the
    // program started in December, then in January, on the same folders).
    void riavvia(plat::Date oggi);
    plat::ScriptedMessages& messaggi() { return *messaggi_; }
    plat::RecordingPrinter& stampante() { return *stampante_; }

    // Folders, each ending in "/".
    const std::string& cartella_programma() const { return programma_; }
    const std::string& cartella_dati() const { return dati_; }

    // Writes a file with CR LF line ends in Windows-1252.
    void scrivi(const std::string& percorso, const std::vector<std::string>& righe) const;
    // Lines of a file (UTF-8), or nothing when missing.
    std::vector<std::string> leggi(const std::string& percorso) const;
    // Raw bytes of a file.
    std::string byte(const std::string& percorso) const;

    // Makes the menu point at the data folder and builds the data paths for
    // the year of the clock, as the start and the menu would.
    void prepara_dati();

    // Texts of the message boxes shown since the last call.
    std::vector<std::string> nuovi_messaggi();

private:
    void crea_app();

    std::filesystem::path radice_;
    std::string programma_, dati_;
    plat::ScriptedMessages* messaggi_ = nullptr;
    plat::RecordingPrinter* stampante_ = nullptr;
    std::unique_ptr<App> app_;
    plat::Date oggi_;
    std::size_t letti_ = 0;
};

}  // namespace ga::test
