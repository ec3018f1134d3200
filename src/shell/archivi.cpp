#include "shell/archivi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/save_unit.h"
#include "platform/text.h"
#include "records/cartelle_in_uso.h"

namespace ga {

namespace fs = std::filesystem;

namespace {

// Red, green and blue as the program writes a colour (0x00BBGGRR).
long colore(int rosso, int verde, int blu) {
    return static_cast<long>(rosso) + static_cast<long>(verde) * 256L +
           static_cast<long>(blu) * 65536L;
}

}  // namespace

std::string modello_archivi(std::string_view anno, bool solo_anno, std::string_view estensione) {
    std::string prefisso = "*";
    if (solo_anno) prefisso += std::string(anno);
    return prefisso + "." + std::string(estensione);
}

bool nome_corrisponde(std::string_view modello, std::string_view nome) {
    return plat::matches_pattern(modello, nome);
}

std::vector<std::string> file_corrispondenti(const std::string& cartella,
                                             std::string_view modello) {
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        std::error_code tipo;
        if (!it->is_regular_file(tipo)) continue;
        std::string nome = it->path().filename().string();
        // The lock file, the save record and the temporary files of a save
        // belong to the program holding the folder: they are neither copied
        // away nor restored over another program's.
        if (plat::is_program_work_file(nome)) continue;
        if (nome_corrisponde(modello, nome)) nomi.push_back(std::move(nome));
    }
    std::sort(nomi.begin(), nomi.end(), [](const std::string& a, const std::string& b) {
        return plat::upper(a) < plat::upper(b);
    });
    return nomi;
}

bool stessa_cartella(const std::string& a, const std::string& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, ec) && !ec;
}

bool cartella_esiste(const std::string& cartella) {
    std::error_code ec;
    return !cartella.empty() && fs::is_directory(cartella, ec);
}

std::string nome_nella_cartella(const std::string& cartella, const std::string& nome) {
    std::error_code ec;
    if (fs::exists(fs::path(cartella) / nome, ec)) return nome;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string altro = it->path().filename().string();
        if (plat::iequals(altro, nome)) return altro;
    }
    return nome;
}

bool copia_archivio(const std::string& da, const std::string& a, const std::string& nome,
                    bool scrivibile, std::string* scritto) {
    const fs::path origine = fs::path(da) / nome;
    const fs::path destinazione = fs::path(a) / nome_nella_cartella(a, nome);
    std::error_code ec;
    if (!fs::is_regular_file(origine, ec)) return false;
    if (!plat::copy_file_synced(origine.string(), destinazione.string(), scrivibile)) return false;
    if (scritto) *scritto = destinazione.string();
    return true;
}

std::string elenco_nomi(const std::vector<std::string>& nomi) {
    constexpr std::size_t kMostrati = 20;
    std::string elenco;
    for (std::size_t i = 0; i < nomi.size() && i < kMostrati; ++i) elenco += "\r" + nomi[i];
    if (nomi.size() > kMostrati)
        elenco += "\r... E ALTRI " + std::to_string(nomi.size() - kMostrati);
    return elenco;
}

void avvisa_non_copiati(App& app, const std::vector<std::string>& nomi, std::string_view titolo) {
    if (nomi.empty()) return;
    app.msgbox("NON E' STATO POSSIBILE COPIARE " + std::to_string(nomi.size()) +
                   " FILE:" + elenco_nomi(nomi),
               plat::Buttons::Ok, titolo, plat::Icon::Critical);
}

bool CartellaTenuta::prendi(App& app, const std::string& cartella, std::string_view titolo,
                            std::string_view nessuno) {
    // A program holding a folder has its lock file there: none is made in
    // an archive folder that no program works on.
    const bool nostra = cartella_tenuta(app, cartella);
    const bool tenuta_da_altri =
        !nostra && blocco_.take(cartella, titolare(app), true) == plat::FolderLock::Result::held;
    std::string motivo;
    if (tenuta_da_altri) {
        motivo = avviso_cartella_aperta(cartella, blocco_.holder());
    } else if (!plat::folder_writable(cartella)) {
        // Read-only: no program saves there.
    } else if (salvataggio_.emplace(cartella); !salvataggio_->ok()) {
        motivo = "UN ALTRO PROGRAMMA STA SALVANDO NELLA CARTELLA " + cartella + ": RIPROVARE.";
    } else if (!nostra && fs::exists(fs::path(cartella) / plat::kSaveRecordName)) {
        // Its program finishes that save at its next start, over whatever
        // the copy put there; read now, its files are half of it.
        motivo = "UN SALVATAGGIO INTERROTTO NELLA CARTELLA " + cartella +
                 " NON E' ANCORA COMPLETATO: LO COMPLETA IL PROGRAMMA CHE USA QUELLA CARTELLA, "
                 "AL SUO AVVIO.";
    }
    if (motivo.empty()) return true;
    salvataggio_.reset();
    blocco_.release();
    app.msgbox(motivo + "\r" + std::string(nessuno), plat::Buttons::Ok, titolo,
               plat::Icon::Exclamation);
    return false;
}

// --- the form base ------------------------------------------------------------

FormaArchivi::FormaArchivi(App& app, plat::FormName name) : Forma(app, std::move(name)) {
    metti(ICONAAGENZIA, 16, 12, 100, 76).design().stretch = true;
    etichetta("CARTELLA ORIGINE", 132, 18, 170);
    metti(Label2, 306, 18, 456, 20).design().bold = true;
    etichetta("CARTELLA DESTINAZIONE", 132, 44, 170);
    metti(Label3, 306, 44, 456, 20).design().bold = true;
    metti(Label1, 132, 72, 520, 22).design().text = "Scegli la cartella dove copiare gli archivi ";
    Label1.design().bold = true;
    Label1.design().font_size = 11;

    metti(Frame1, 16, 108, 360, 400);
    metti(Drive1, 12, 26, 336, 26, &Frame1);
    metti(Dir1, 12, 60, 336, 326, &Frame1);
    Drive1.design().path = "/";
    const char* home = std::getenv("HOME");
    Dir1.design().path = home && *home ? home : "/";

    metti(Frame2, 392, 108, 370, 150).design().text = "SCEGLI L'ARCHIVI DA COPIARE";
    metti(gest_attuale, 12, 24, 340, 22, &Frame2).design().text = " SOLO ANNO CORRENTE ";
    metti(gest_preced, 12, 50, 340, 22, &Frame2).design().text = " TUTTI GLI ANNI ";
    metti(Check1, 12, 86, 160, 22, &Frame2).design().text = "   * . IND";
    metti(Check2, 186, 86, 160, 22, &Frame2).design().text = "   * . DAT";
    metti(Check3, 12, 114, 160, 22, &Frame2).design().text = "   * . TXT";
    metti(Check4, 186, 114, 160, 22, &Frame2).design().text = "    * . *";

    metti(Frame3, 392, 266, 370, 242);
    metti(File1, 12, 26, 346, 170, &Frame3);
    metti(List1, 12, 26, 346, 170, &Frame3).design().visible = false;
    etichetta("FILES COPIATI", 12, 210, 110, &Frame3);
    metti(Label4, 126, 210, 80, 20, &Frame3).design().bold = true;

    metti(Command1, 16, 524, 130, 40).design().text = "CONFERMA";
    metti(USCITA, 162, 524, 130, 40).design().text = "USCITA";
    metti(Text1, 310, 530, 60, 24).design().visible = false;
    Timer1.design().interval = 500;

    gest_attuale.on_click = [this] { gest_attuale_Click(); };
    gest_preced.on_click = [this] { gest_preced_Click(); };
    for (int k = 1; k <= 4; ++k) estensione(k).on_click = [this, k] { Check_Click(k); };
    Drive1.on_change = [this] { Drive1_Change(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    USCITA.on_click = [this] { USCITA_Click(); };
}

plat::CheckBox& FormaArchivi::estensione(int k) {
    switch (k) {
        case 1: return Check1;
        case 2: return Check2;
        case 3: return Check3;
        default: return Check4;
    }
}

std::string FormaArchivi::modello() {
    static constexpr const char* kEstensioni[] = {"IND", "DAT", "TXT", "*"};
    std::string estensione_scelta;
    for (int k = 1; k <= 4; ++k)
        if (estensione(k).value() == 1) estensione_scelta = kEstensioni[k - 1];
    return modello_archivi(s.anno_gestione, gest_attuale.value() == 1, estensione_scelta);
}

void FormaArchivi::prepara_comune() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    gest_attuale.set_caption(" SOLO ANNO CORRENTE " + s.anno_gestione);
    gest_preced.set_caption(" TUTTI GLI ANNI ");
    Drive1.refresh();
    Dir1.refresh();
}

void FormaArchivi::gest_attuale_Click() {
    if (gest_attuale.value() == 1) {
        gest_preced.set_value(0);
        List1.clear();
        Command1.set_enabled(true);
        dopo_scelta();
    } else {
        // One year box is always ticked.
        gest_preced.set_value(1);
    }
}

void FormaArchivi::gest_preced_Click() {
    if (gest_preced.value() == 1) {
        gest_attuale.set_value(0);
        List1.clear();
        Command1.set_enabled(true);
        dopo_scelta();
    } else {
        gest_attuale.set_value(1);
    }
}

void FormaArchivi::Check_Click(int k) {
    if (estensione(k).value() != 1) return;
    for (int altro = 1; altro <= 4; ++altro)
        if (altro != k) estensione(altro).set_value(0);
    List1.clear();
    Command1.set_enabled(true);
    dopo_scelta();
}

void FormaArchivi::Drive1_Change() {
    // A drive that cannot be read leaves the folder list where it was.
    if (cartella_esiste(Drive1.path())) Dir1.set_path(Drive1.path());
}

void FormaArchivi::Timer1_Timer() {
    std::uniform_real_distribution<double> frazione(0.0, 1.0);
    const auto parte = [&] { return static_cast<int>(std::lround(frazione(caso_) * 255.0)); };
    const int rosso = parte(), verde = parte(), blu = parte();
    Label1.set_fore_color(colore(rosso, verde, blu));
}

void FormaArchivi::USCITA_Click() {
    plat::Form* utilita = &app.form(forme::utilita);
    if (utilita && utilita->is_loaded()) utilita->set_enabled(true);
    unload();
}

}  // namespace ga
