#include "records/agenzia.h"

#include <algorithm>
#include <array>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

// The members of the settings in file order.
constexpr std::array<std::string Stato::*, 28> kCampiAgenzia = {
    &Stato::agenzia_nome,         &Stato::agenzia_via,          &Stato::agenzia_citta,
    &Stato::agenzia_telefono,     &Stato::partita_iva,          &Stato::agenzia_titolare,
    &Stato::telefono_responsabile, &Stato::diritti_agenzia,     &Stato::percentuale_affitto,
    &Stato::percentuale_iva,      &Stato::deposito_minimo,      &Stato::pulizia_finale,
    &Stato::agenzia_email,        &Stato::percentuale_cauzione, &Stato::agenzia_cap,
    &Stato::ora_ingresso_a,       &Stato::ora_uscita_a,         &Stato::ora_ingresso_b,
    &Stato::ora_uscita_b,         &Stato::ora_ingresso_c,       &Stato::ora_uscita_c,
    &Stato::ora_ingresso_d,       &Stato::ora_uscita_d,         &Stato::intestazione_assegno,
    &Stato::intestatario_assegno, &Stato::iva_affitto,          &Stato::costo_lenzuola,
    &Stato::costo_letto};

// The settings form's boxes of fields 0 to 14, in file order.
constexpr std::array<const char*, 15> kBoxAgenzia = {
    "Text1", "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7", "Text8",
    "Text9", "Text10", "Text11", "Text12", "Text20", "Text21", "Text22"};

// The boxes of the check-in and check-out hours, fields 15 to 22.
constexpr std::array<const char*, 8> kBoxOrari = {"Text19", "Text23", "Text24", "Text25",
                                                  "Text26", "Text27", "Text28", "Text29"};

constexpr const char* kForm = "PersonalizzaAgenzia";

}  // namespace

void carica_agenzia(App& app) {
    Stato& s = app.s;
    for (auto m : kCampiAgenzia)
        if (m != &Stato::percentuale_cauzione) s.*m = "";
    s.canale_file = canale_libero();
    // The last line with settings wins; the file is read a line at a time,
    // so a huge one costs no more memory than one line.
    std::string ultima;
    plat::read_lines_each(s.percorso_agenzia, [&](std::string_view riga) {
        // A blank line holds no settings; it must not wipe those before it.
        if (!plat::trim(riga).empty()) ultima = riga;
        return true;
    });
    if (ultima.empty()) return;
    const auto campi = plat::split(ultima, "*");
    for (std::size_t j = 0; j < kCampiAgenzia.size(); ++j) s.*kCampiAgenzia[j] = campo_di(campi, j);
}

bool registra_agenzia(App& app) {
    Stato& s = app.s;
    auto box = [&](const char* nome) { return app.testo(kForm, nome); };

    std::vector<std::string> valori;
    for (const char* b : kBoxAgenzia) valori.push_back(box(b));
    for (const char* b : kBoxOrari) valori.push_back(box(b));
    valori.push_back(box("Text30"));
    valori.push_back(box("Text31"));
    valori.push_back(box("Text32"));
    if (!senza_separatore(app, valori, "*")) return false;

    s.canale_file = canale_libero();
    s.percentuale_cauzione = box("Text21");
    for (std::size_t j = 0; j < kBoxOrari.size(); ++j) s.*kCampiAgenzia[15 + j] = box(kBoxOrari[j]);
    if (app.campo(kForm, "Option1").value()) s.scelta_assegno = "1";
    if (app.campo(kForm, "Option2").value()) s.scelta_assegno = "2";
    if (app.campo(kForm, "Option3").value()) s.scelta_assegno = "3";
    s.intestazione_assegno = s.scelta_assegno;
    s.intestatario_assegno = box("Text30");
    if (app.campo(kForm, "Option4").value()) s.iva_affitto = "si";
    if (app.campo(kForm, "Option5").value()) s.iva_affitto = "no";
    s.costo_lenzuola = box("Text31");
    s.costo_letto = box("Text32");

    std::vector<std::string> righe;
    if (box("Text1") != "CANC") {
        std::vector<std::string> campi;
        for (const char* b : kBoxAgenzia) campi.push_back(box(b));
        for (std::size_t j = 15; j < kCampiAgenzia.size(); ++j) campi.push_back(s.*kCampiAgenzia[j]);
        righe.push_back(plat::join(campi, "*"));
    }
    return scrivi_registro(app, s.percorso_agenzia, righe);
}

void carica_banche(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_banche, ",", s.banche,
                                  [&](int i, const std::vector<std::string>& c) {
                                      s.banche[i] = RigaBanca{campo_di(c, 0), campo_di(c, 1),
                                                              campo_di(c, 2), campo_di(c, 3),
                                                              campo_di(c, 4), campo_di(c, 5),
                                                              campo_di(c, 6)};
                                  });
    app.imposta_conta("COORDBANCA", "Text19", n);
}

bool registra_banche(App& app) {
    Stato& s = app.s;
    RigaBanca riga;
    long indice = s.indice_banca;
    std::string numero = std::to_string(indice);
    if (s.operazione == "personalizza") {
        auto box = [&](const char* nome) { return app.testo(kForm, nome); };
        riga = {box("Text14"), box("Text13"), box("Text16"), box("Text18"),
                box("Text15"), box("Text17"), "0000"};
    } else if (s.operazione == "coordbanca") {
        numero = plat::trim(app.testo("COORDBANCA", "Text3"));
        indice = plat::leading_int(numero);
        auto box = [&](const char* nome) { return app.testo("COORDBANCA", nome); };
        riga = {box("Text14"), box("Text13"), box("Text16"), box("Text4"),
                box("Text15"), box("Text17"), box("Text2")};
    } else {
        return false;
    }
    // A record is a stored one or the one after the last: record 0 is never
    // written, and a number further on would leave empty records before it.
    // Record 1 is the agency's own account: an owner's never takes it (the
    // agency's settings would show it and their next save would overwrite
    // it), and on a file without one an empty agency record goes first.
    const bool proprietario = s.operazione == "coordbanca";
    long conta = std::max<long>(app.conta("COORDBANCA", "Text19"), 0);
    const long primo = proprietario ? 2 : 1;
    if (indice < primo || indice > std::max(conta, primo - 1) + 1) {
        app.msgbox("IL NUMERO DI REGISTRAZIONE " + numero + " NON E' VALIDO: DEVE ESSERE DA " +
                       std::to_string(primo) + " A " + std::to_string(std::max(conta, primo - 1) + 1) +
                       (proprietario ? " (LA 1 E' DELL'AGENZIA)" : "") +
                       ".\rLA REGISTRAZIONE NON E' STATA FATTA.",
                   plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Exclamation);
        return false;
    }
    s.indice_banca = static_cast<int>(indice);
    s.banche.allarga(s.indice_banca);
    if (!senza_separatore(app,
                          {riga.banca_nome, riga.banca_intestatario, riga.banca_conto,
                           riga.banca_codice_accesso, riga.banca_citta, riga.banca_iban,
                           riga.banca_proprietario},
                          ","))
        return false;

    s.canale_file = canale_libero();
    if (proprietario && conta == 0) {
        s.banche[1] = RigaBanca{"", "", "", "", "", "", "0000"};
        conta = 1;
    }
    s.banche[s.indice_banca] = riga;
    const long n = std::max<long>(conta, s.indice_banca);
    std::vector<std::string> righe;
    for (long i = 1; i <= std::min<long>(n, s.banche.capacita()); ++i) {
        const RigaBanca& b = s.banche[static_cast<int>(i)];
        if (b.banca_nome == "CANC") continue;
        righe.push_back(plat::join({b.banca_nome, b.banca_intestatario, b.banca_conto,
                                    b.banca_codice_accesso, b.banca_citta, b.banca_iban,
                                    b.banca_proprietario},
                                   ","));
    }
    return scrivi_registro(app, s.percorso_banche, righe);
}

}  // namespace ga
