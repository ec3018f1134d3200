#include "accounts/stampa_fattura.h"

#include <vector>

#include "accounts/caselle.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/fatture.h"
#include "records/stampa.h"

namespace ga {

namespace {
const DocumentoStampa kFattura{"LA FATTURA E' STATA SALVATA", "LA FATTURA NON E' STATA STAMPATA.",
                               " STAMPA FATTURA", "FATTURA", true};
}  // namespace

double aliquota_iva(const std::string& testo) {
    return plat::leading_number(plat::replace_all(plat::trim(testo), ",", "."));
}

plat::PrintJob pagina_fattura(App& app, const RigaFattura& f) {
    Stato& s = app.s;
    plat::PrintJob job;
    job.template_path = s.cartella_stampe + "fattura.xls";
    job.sheet = "Foglio1";
    job.logo_path = s.percorso_logo;
    job.logo_row = 1;
    job.logo_column = 1;
    job.logo_width_scale = job.logo_height_scale = 0.5;

    const IntestatarioFattura chi = intestatario_fattura(app, f);
    const std::string regime = plat::trim(f.campo[fatt::regime]);
    const std::string imponibile = plat::trim(f.campo[fatt::imponibile]),
                      iva = plat::trim(f.campo[fatt::iva]),
                      ritenuta = plat::trim(f.campo[fatt::ritenuta]),
                      totale = plat::trim(f.campo[fatt::totale]);
    // The rate is named only where the VAT held is that rate of the taxable
    // amount: a rate changed in the settings since does not speak for it.
    std::string voce_iva = "I.V.A.";
    const auto base = plat::italian_number(imponibile), tassa = plat::italian_number(iva);
    const std::string percentuale = plat::trim(s.percentuale_iva);
    if (base && tassa && !percentuale.empty() &&
        plat::cents(plat::cents(*base) / 100.0 * aliquota_iva(percentuale) / 100) ==
            plat::cents(*tassa))
        voce_iva += " " + percentuale + "%";
    const bool con_iva = regime != "4" && !iva.empty();

    std::string nota_regime;
    if (regime == "3") nota_regime = kRegimeRitenuta;
    if (regime == "4") nota_regime = kRegimeEsente;

    // Sheet columns A to D: the agency beside the logo, the addressee on the
    // right, the number and date, the description, the amounts, the regime.
    const std::vector<plat::Cell> celle = {
        {1, 2, s.agenzia_nome},
        {2, 2, s.agenzia_via},
        {3, 2, s.agenzia_citta},
        {4, 2, s.partita_iva.empty() ? "" : "P. IVA " + s.partita_iva},
        {6, 3, "SPETT.LE"},
        {7, 3, chi.nome},
        {8, 3, chi.via},
        {9, 3, chi.localita},
        {10, 3, chi.codice_fiscale.empty() ? "" : "C.F. / P. IVA " + chi.codice_fiscale},
        {12, 1, "FATTURA N° " + plat::trim(f.campo[fatt::numero]) + " DEL " + f.data.text()},
        {14, 1, "DESCRIZIONE DELLE PRESTAZIONI"},
        {15, 1, f.campo[fatt::descrizione]},
        {18, 3, "IMPONIBILE"},
        {18, 4, imponibile},
        {19, 3, con_iva ? voce_iva : ""},
        {19, 4, con_iva ? iva : ""},
        {20, 3, ritenuta.empty() ? "" : "RITEN. D'ACC."},
        {20, 4, ritenuta},
        {21, 3, "TOTALE IMP."},
        {21, 4, totale},
        {23, 1, nota_regime},
    };
    for (const plat::Cell& c : celle)
        if (!c.text.empty()) job.cells.push_back(c);
    job.copies = 1;
    // Invoice numbers start again every year, as the register does.
    job.pdf_path = s.cartella_dati + "fattura_" + s.anno_gestione + "_" +
                   plat::pad_code(plat::trim(f.campo[fatt::numero]), 3) + ".pdf";
    return job;
}

bool stampa_fattura(App& app, int k) {
    Stato& s = app.s;
    const long n = app.conta(kContaFatture);
    if (k < 1 || k > n || k > s.fatture.capacita() ||
        plat::trimmed(s.fatture[k].campo[fatt::numero]).empty()) {
        app.msgbox("LA FATTURA N. " + std::to_string(k) + " NON E' NELL'ARCHIVIO DELLE FATTURE.",
                   plat::Buttons::Ok, kFattura.titolo, plat::Icon::Exclamation);
        return false;
    }
    return stampa_documento(app, pagina_fattura(app, s.fatture[k]), kFattura);
}

void stampa_fattura_scelta(App& app) {
    stampa_fattura(app, static_cast<int>(plat::leading_int(app.s.fattura_scelta)));
}

}  // namespace ga
