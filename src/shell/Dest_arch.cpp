#include "shell/Dest_arch.h"

#include "platform/save_unit.h"
#include "records/salvataggio.h"

namespace ga {

namespace {
constexpr const char* kTitolo = "COPIA ARCHIVI";
}  // namespace

Dest_arch::Dest_arch(App& app) : FormaArchivi(app, kName) {
    design("COPIA ARCHIVI", px(780), px(580));
    Frame1.design().text = "SCEGLI DESTINAZIONE";
    Frame3.design().text = "FILE DA COPIARE";

    Dir1.on_change = [this] { Dir1_Change(); };
    Command1.on_click = [this] { Command1_Click(); };
}

void Dest_arch::Form_Load() {
    prepara_comune();
    Label2.set_caption(s.cartella_dati);
    gest_preced.set_value(1);
    Check4.set_value(1);
    LISTA_FILE();
    Label1.set_visible(Label3.caption().empty());
}

void Dest_arch::LISTA_FILE() {
    File1.set_path(s.cartella_dati);
    File1.set_pattern(modello());
}

void Dest_arch::Dir1_Change() {
    Text1.set_text(Dir1.path() + "/");
    Label3.set_caption(Text1.text());
    Label1.set_visible(Label3.caption().empty());
}

void Dest_arch::Command1_Click() {
    if (Text1.text().empty()) {
        app.msgbox("Non è stato scelto l'indirizzo di destinazione !!!", plat::Buttons::Ok,
                   kTitolo);
        return;
    }
    if (!cartelle_valide()) return;
    File1.set_visible(false);
    List1.set_visible(true);
    copia();
}

bool Dest_arch::cartelle_valide() {
    std::string motivo;
    if (!cartella_esiste(s.cartella_dati))
        motivo = "LA CARTELLA DATI " + s.cartella_dati + " NON ESISTE.";
    else if (!cartella_esiste(Text1.text()))
        motivo = "LA CARTELLA " + Text1.text() + " NON ESISTE.";
    else if (stessa_cartella(Text1.text(), s.cartella_dati))
        motivo =
            "LA CARTELLA DI DESTINAZIONE E' LA CARTELLA DEI DATI.\rSCEGLIERE UN'ALTRA CARTELLA.";
    if (motivo.empty()) return true;
    app.msgbox(motivo + "\rNESSUN FILE E' STATO COPIATO.", plat::Buttons::Ok, kTitolo,
               plat::Icon::Exclamation);
    return false;
}

void Dest_arch::copia() {
    const std::string origine = s.cartella_dati;
    const std::string destinazione = Text1.text();
    // A save left half done is finished first: an archive never takes its
    // renamed files without the others.
    if (!salvataggi_completati(app)) return;
    // Another program's data folder is no archive: it is refused, and the
    // destination is held for the whole copy, so that no program starts or
    // saves there while its files are replaced.
    CartellaTenuta tenuta;
    if (!tenuta.prendi(app, destinazione, kTitolo, "NESSUN FILE E' STATO COPIATO.")) return;
    List1.clear();
    Label4.set_caption("0");
    // A file that could not be copied is told, not counted nor listed.
    std::vector<std::string> copiati, non_copiati;
    for (const std::string& nome : file_corrispondenti(origine, modello()))
        (copia_archivio(origine, destinazione, nome, false) ? copiati : non_copiati)
            .push_back(nome);
    // The copies last only once the archive folder is synced: until then a
    // pulled-out key may hold any of them, so none counts.
    if (!copiati.empty() && !plat::sync_folder(destinazione)) {
        non_copiati.insert(non_copiati.end(), copiati.begin(), copiati.end());
        copiati.clear();
    }
    for (const std::string& nome : copiati) List1.add_item(nome);
    Label4.set_caption(std::to_string(copiati.size()));
    Command1.set_enabled(false);
    avvisa_non_copiati(app, non_copiati, kTitolo);
}

}  // namespace ga
