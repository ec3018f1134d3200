// Copy and restore of the data folder's files: the choice of files by year
// and extension, the copy of one file, and the form base that the copy and
// the restore forms share (year and extension boxes, the folder the user
// picks, the blinking hint, the exit back to the utilities menu).
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_lock.h"
#include "platform/save_unit.h"
#include "records/app.h"

namespace ga {

// The file pattern: prefix & "." & extension, the prefix "*" & year when only
// the management year is wanted, "*" for every year; extension "IND", "DAT",
// "TXT", "*", or "" when no extension box is ticked ("*2026.DAT", "*.").
std::string modello_archivi(std::string_view anno, bool solo_anno, std::string_view estensione);

// A file name against a pattern with "*" and "?", letter case not
// significant; "*.*" is every file, also one without an extension. The same
// matching as the file lists of the forms, so what a list shows is what is
// copied.
bool nome_corrisponde(std::string_view modello, std::string_view nome);

// The names of the files of a folder that match the pattern (hidden and
// read-only files included, folders not), sorted as the file lists show
// them. Empty when the folder cannot be read.
std::vector<std::string> file_corrispondenti(const std::string& cartella, std::string_view modello);

// True when both texts name one existing folder ("/dati/" and "/dati//").
bool stessa_cartella(const std::string& a, const std::string& b);
bool cartella_esiste(const std::string& cartella);

// The name a file takes in a folder: the name of a file already there that
// differs only in letter case (which the copy replaces, as on the desktop
// the agency came from), else the name itself.
std::string nome_nella_cartella(const std::string& cartella, const std::string& nome);

// Copies `nome` from folder `da` into folder `a`, replacing a file of that
// name. The copy takes the source's permissions and time; `scrivibile` makes
// it writable by its owner besides (files restored into the data folder must
// stay writable by the program). The copy goes to a synced temporary file
// renamed over the old one, so a failed copy leaves the old file as it was;
// the caller syncs folder `a` before it calls the copy lasting. False when
// the file was not copied. Returns the path written in `scritto`.
bool copia_archivio(const std::string& da, const std::string& a, const std::string& nome,
                    bool scrivibile, std::string* scritto = nullptr);

// The names as lines of a message ("\r" before each), at most twenty.
std::string elenco_nomi(const std::vector<std::string>& nomi);
// Tells the user which files were not copied.
void avvisa_non_copiati(App& app, const std::vector<std::string>& nomi, std::string_view titolo);

// A folder the archive copy writes into, or the restore reads from, kept
// from other programs for as long as the copy lasts. A folder another
// program works on is refused: copied over, its tables would no longer
// match its files; read from, it could give half of one of its saves.
class CartellaTenuta {
public:
    // Holds `cartella`: its lock file (unless this program holds it
    // already) and its save lock, so that no program starts on it and no
    // save runs there until this object goes. False, the user told (with
    // `nessuno` as the last line, under `titolo`), when another program
    // holds it, saves there without end, or left a save there to finish.
    // A folder that takes no lock file (read-only) is no other program's.
    bool prendi(App& app, const std::string& cartella, std::string_view titolo,
                std::string_view nessuno);

private:
    plat::FolderLock blocco_;
    std::optional<plat::HeldSaveLock> salvataggio_;
};

// What the copy and the restore forms share.
class FormaArchivi : public Forma {
public:
    FormaArchivi(App& app, plat::FormName name);

    void gest_attuale_Click();
    void gest_preced_Click();
    void Check_Click(int k);
    void Drive1_Change();
    void Timer1_Timer();
    void USCITA_Click();
    void close_requested() override { USCITA_Click(); }

    // The pattern of the boxes ticked now.
    std::string modello();

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Frame Frame1{*this, "Frame1"};  // the folder
    plat::Frame Frame2{*this, "Frame2"};  // years and extensions
    plat::Frame Frame3{*this, "Frame3"};  // the files
    plat::CheckBox gest_attuale{*this, "gest_attuale"}, gest_preced{*this, "gest_preced"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
        Check4{*this, "Check4"};
    plat::DriveList Drive1{*this, "Drive1"};
    plat::DirList Dir1{*this, "Dir1"};
    plat::TextBox Text1{*this, "Text1"};
    plat::FileList File1{*this, "File1"};
    plat::ListBox List1{*this, "List1"};
    plat::Label Label1{*this, "Label1"};  // the hint
    plat::Label Label2{*this, "Label2"};  // beside "CARTELLA ORIGINE"
    plat::Label Label3{*this, "Label3"};  // beside "CARTELLA DESTINAZIONE"
    plat::Label Label4{*this, "Label4"};  // beside "FILES COPIATI"
    plat::CommandButton Command1{*this, "Command1"}, USCITA{*this, "USCITA"};
    plat::Timer Timer1{*this, "Timer1"};

protected:
    // The start of both loads: the logo, the captions of the year boxes, the
    // drive and folder lists read afresh.
    void prepara_comune();
    // After a year or extension box is ticked: the list of the files.
    virtual void dopo_scelta() = 0;
    plat::CheckBox& estensione(int k);

private:
    std::mt19937 caso_{std::random_device{}()};
};

}  // namespace ga
