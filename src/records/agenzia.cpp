#include "records/agenzia.h"

#include <array>

#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

// The members of the settings in file order.
constexpr std::array<std::string Stato::*, 28> kCampiAgenzia = {
    &Stato::agenzia_nome,          &Stato::agenzia_via,
    &Stato::agenzia_citta,         &Stato::agenzia_telefono,
    &Stato::partita_iva,           &Stato::agenzia_titolare,
    &Stato::telefono_responsabile, &Stato::diritti_agenzia,
    &Stato::percentuale_affitto,   &Stato::percentuale_iva,
    &Stato::deposito_minimo,       &Stato::pulizia_finale,
    &Stato::agenzia_email,         &Stato::percentuale_cauzione,
    &Stato::agenzia_cap,           &Stato::ora_ingresso_a,
    &Stato::ora_uscita_a,          &Stato::ora_ingresso_b,
    &Stato::ora_uscita_b,          &Stato::ora_ingresso_c,
    &Stato::ora_uscita_c,          &Stato::ora_ingresso_d,
    &Stato::ora_uscita_d,          &Stato::intestazione_assegno,
    &Stato::intestatario_assegno,  &Stato::iva_affitto,
    &Stato::costo_lenzuola,        &Stato::costo_letto};

// The settings form's boxes of fields 0 to 14, in file order.
constexpr std::array<Casella, 15> kBoxAgenzia = {kAgenziaNome,
                                                 kAgenziaVia,
                                                 kAgenziaCitta,
                                                 kAgenziaTelefono,
                                                 kAgenziaPartitaIva,
                                                 kAgenziaTitolare,
                                                 kAgenziaTelefonoResponsabile,
                                                 kAgenziaDiritti,
                                                 kAgenziaPercentualeAffitto,
                                                 kAgenziaPercentualeIva,
                                                 kAgenziaDepositoMinimo,
                                                 kAgenziaPulizia,
                                                 kAgenziaEmail,
                                                 kAgenziaPercentualeCauzione,
                                                 kAgenziaCap};

// The boxes of the check-in and check-out hours, fields 15 to 22.
constexpr std::array<Casella, 8> kBoxOrari = {
    kAgenziaIngressoA, kAgenziaUscitaA, kAgenziaIngressoB, kAgenziaUscitaB,
    kAgenziaIngressoC, kAgenziaUscitaC, kAgenziaIngressoD, kAgenziaUscitaD};

}  // namespace

void carica_agenzia(App& app) {
    Stato& s = app.s;
    for (auto m : kCampiAgenzia)
        if (m != &Stato::percentuale_cauzione) s.*m = "";
    // The last line with settings wins; the file is read a line at a time,
    // so a huge one costs no more memory than one line.
    std::string ultima;
    plat::read_lines_each(s.percorso_agenzia, [&](std::string_view riga) {
        // A blank line holds no settings; it must not wipe those before it.
        if (!plat::trimmed(riga).empty()) ultima = riga;
        return true;
    });
    if (ultima.empty()) return;
    const auto campi = plat::split(ultima, kSeparatore);
    for (std::size_t j = 0; j < kCampiAgenzia.size(); ++j) s.*kCampiAgenzia[j] = campo_di(campi, j);
}

bool registra_agenzia(App& app) {
    Stato& s = app.s;
    auto box = [&](const Casella& c) { return app.testo(c); };

    std::vector<std::string> valori;
    for (const Casella& b : kBoxAgenzia) valori.push_back(box(b));
    for (const Casella& b : kBoxOrari) valori.push_back(box(b));
    valori.push_back(box(kAgenziaIntestatarioAssegno));
    valori.push_back(box(kAgenziaCostoLenzuola));
    valori.push_back(box(kAgenziaCostoLetto));
    if (!senza_separatore(app, valori, kSeparatore)) return false;

    s.percentuale_cauzione = box(kAgenziaPercentualeCauzione);
    for (std::size_t j = 0; j < kBoxOrari.size(); ++j) s.*kCampiAgenzia[15 + j] = box(kBoxOrari[j]);
    if (app.campo(kAgenziaAssegnoAgenzia).value()) s.scelta_assegno = "1";
    if (app.campo(kAgenziaAssegnoProprietario).value()) s.scelta_assegno = "2";
    if (app.campo(kAgenziaAssegnoAltri).value()) s.scelta_assegno = "3";
    s.intestazione_assegno = s.scelta_assegno;
    s.intestatario_assegno = box(kAgenziaIntestatarioAssegno);
    if (app.campo(kAgenziaIvaSi).value()) s.iva_affitto = "si";
    if (app.campo(kAgenziaIvaNo).value()) s.iva_affitto = "no";
    s.costo_lenzuola = box(kAgenziaCostoLenzuola);
    s.costo_letto = box(kAgenziaCostoLetto);

    // "CANC" as the name deletes the settings: the file is left empty, so
    // that no older line of settings comes back in their place.
    if (box(kAgenziaNome) == "CANC") return scrivi_registro(app, s.percorso_agenzia, {});
    std::vector<std::string> campi;
    for (const Casella& b : kBoxAgenzia) campi.push_back(box(b));
    for (std::size_t j = 15; j < kCampiAgenzia.size(); ++j) campi.push_back(s.*kCampiAgenzia[j]);
    // The settings are the last line that holds any: only that line is
    // replaced (keeping the fields past ours after them), and every other
    // line of a file edited by hand comes back as it stood.
    // (A missing file is not made here: the save makes it, whole.)
    std::vector<std::string> righe;
    if (plat::file_exists(s.percorso_agenzia))
        righe = leggi_righe(s.percorso_agenzia).value_or(std::vector<std::string>{});
    std::size_t k = righe.size();
    for (std::size_t i = righe.size(); i-- > 0;)
        if (!plat::trimmed(righe[i]).empty()) {
            k = i;
            break;
        }
    if (k == righe.size()) {
        righe.push_back("");
    } else {
        const auto vecchi = plat::split(righe[k], kSeparatore);
        for (std::size_t j = campi.size(); j < vecchi.size(); ++j) campi.push_back(vecchi[j]);
    }
    righe[k] = plat::join(campi, kSeparatore);
    return scrivi_registro(app, s.percorso_agenzia, righe);
}

}  // namespace ga
