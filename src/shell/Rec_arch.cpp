#include "shell/Rec_arch.h"

#include <filesystem>

#include "records/salvataggio.h"
#include "shell/cambio_percorsi.h"

namespace ga {

namespace {
constexpr const char* kTitolo = "RECUPERO ARCHIVI";
}  // namespace

Rec_arch::Rec_arch(App& app) : FormaArchivi(app, kName) {
    design("RECUPERO ARCHIVI", px(780), px(580));
    Frame1.design().text = "SCEGLI CARTELLA SORGENTE";
    Frame3.design().text = "FILE DA RECUPERARE";
    metti(Option1, 12, 24, 190, 22, &Frame3).design().text = "Tutti i File della lista";
    metti(Option2, 210, 24, 150, 22, &Frame3).design().text = "Un solo File";
    etichetta("NOME FILE", 12, 52, 80, &Frame3);
    metti(Label9, 96, 52, 262, 20, &Frame3).design().bold = true;
    metti(File1, 12, 80, 346, 120, &Frame3);
    metti(List1, 12, 80, 346, 120, &Frame3);

    Dir1.on_change = [this] { Dir1_Change(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    File1.on_click = [this] { File1_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
}

void Rec_arch::Form_Load() {
    prepara_comune();
    Label3.set_caption(s.cartella_dati);
    gest_attuale.set_value(1);
    Check4.set_value(1);
    Option1.set_value(1);
    Label9.set_caption("");
    List1.clear();
    List1.set_visible(false);
    File1.set_visible(true);
}

void Rec_arch::dopo_scelta() {
    Dir1_Change();
    List1.clear();
    List1.set_visible(false);
    File1.set_visible(true);
}

void Rec_arch::Dir1_Change() {
    File1.set_path(Dir1.path());
    File1.set_pattern(modello());
    Text1.set_text(Dir1.path() + "/");
    if (Option1.value() == 1) {
        Label2.set_caption(Text1.text());
        Label9.set_caption(modello());
    }
}

void Rec_arch::Option1_Click() {
    Label2.set_caption(Text1.text());
    Label9.set_caption(modello());
    List1.clear();
    List1.set_visible(false);
    File1.set_visible(true);
}

void Rec_arch::Option2_Click() {
    List1.clear();
    List1.set_visible(false);
    File1.set_visible(true);
    Label9.set_caption("");
}

void Rec_arch::File1_Click() {
    if (Option2.value() == 1) Label9.set_caption(File1.text());
}

void Rec_arch::Command1_Click() {
    if (Label9.caption().empty()) {
        app.msgbox("Non è stato scelto nessun File da Recuperare !!!", plat::Buttons::Ok,
                   "COPIA ARCHIVI");
        return;
    }
    // The source is held until its files are read: another program's data
    // folder is refused, and no save of another program runs there meanwhile.
    CartellaTenuta sorgente;
    if (!sorgente.prendi(app, Text1.text(), kTitolo, "NESSUN FILE E' STATO RECUPERATO.")) return;
    const auto nomi = da_recuperare();
    if (!nomi) return;
    List1.clear();
    List1.set_visible(true);
    File1.set_visible(false);
    copia(*nomi);
}

std::optional<std::vector<std::string>> Rec_arch::da_recuperare() {
    const std::string sorgente = Text1.text();
    std::string motivo;
    if (!cartella_esiste(sorgente)) motivo = "LA CARTELLA " + sorgente + " NON ESISTE.";
    else if (!cartella_esiste(s.cartella_dati))
        motivo = "LA CARTELLA DATI " + s.cartella_dati + " NON ESISTE.";
    else if (stessa_cartella(sorgente, s.cartella_dati))
        motivo = "LA CARTELLA SORGENTE E' LA CARTELLA DEI DATI.\rSCEGLIERE UN'ALTRA CARTELLA.";
    if (!motivo.empty()) {
        app.msgbox(motivo + "\rNESSUN FILE E' STATO RECUPERATO.", plat::Buttons::Ok, kTitolo,
                   plat::Icon::Exclamation);
        return std::nullopt;
    }

    std::vector<std::string> nomi;
    if (Option1.value() == 1) nomi = file_corrispondenti(sorgente, Label9.caption());
    else
        nomi.push_back(Label9.caption());

    // The restore replaces the data the program works on: the user says so
    // before any of it is lost.
    std::vector<std::string> sostituiti;
    for (const std::string& nome : nomi) {
        std::error_code ec;
        const auto gia =
            std::filesystem::path(s.cartella_dati) / nome_nella_cartella(s.cartella_dati, nome);
        if (std::filesystem::exists(gia, ec)) sostituiti.push_back(nome);
    }
    if (!sostituiti.empty() &&
        app.msgbox({.text = "I FILE CHE SEGUONO ESISTONO GIA' NELLA CARTELLA DATI E SARANNO "
                            "SOSTITUITI DA QUELLI DELLA CARTELLA " +
                            sorgente + ":" + elenco_nomi(sostituiti) + "\rCONTINUARE IL RECUPERO?",
                    .buttons = plat::Buttons::YesNo,
                    .icon = plat::Icon::Question,
                    .title = kTitolo,
                    .no_by_default = true}) != plat::Answer::Yes)
        return std::nullopt;
    return nomi;
}

void Rec_arch::copia(const std::vector<std::string>& nomi) {
    namespace fs = std::filesystem;
    const std::string sorgente = Text1.text();
    const std::string destinazione = s.cartella_dati;
    int conta = 0;
    Label4.set_caption("0");
    std::vector<std::string> non_copiati;
    // The restored files are one save: a set taken from one archive, never
    // mixed with the files it replaces.
    Salvataggio salvataggio(app);
    for (const std::string& nome : nomi) {
        const std::string origine = (fs::path(sorgente) / nome).string();
        const std::string percorso =
            (fs::path(destinazione) / nome_nella_cartella(destinazione, nome)).string();
        std::error_code ec;
        if (!fs::is_regular_file(origine, ec) || !salvataggio.copia(percorso, origine, true)) {
            non_copiati.push_back(nome);
            continue;
        }
        List1.add_item(nome);
        ++conta;
        Label4.set_caption(std::to_string(conta));
    }
    List1.clear();
    List1.set_visible(false);
    File1.set_visible(true);
    Command1.set_enabled(false);
    if (!non_copiati.empty()) {
        Label4.set_caption("0");
        app.msgbox("NON E' STATO POSSIBILE LEGGERE " + std::to_string(non_copiati.size()) +
                       " FILE:" + elenco_nomi(non_copiati) + "\rNESSUN FILE E' STATO RECUPERATO.",
                   plat::Buttons::Ok, kTitolo, plat::Icon::Critical);
        return;
    }
    if (conta == 0 || !salvataggio.conferma()) {
        Label4.set_caption("0");
        return;
    }
    // The tables in memory and the forms that hold them follow the
    // restored files.
    cambia_percorsi(app, true);
}

}  // namespace ga
