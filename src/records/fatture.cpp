#include "records/fatture.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

constexpr std::string_view kSep = "*";
constexpr const char* kFattura = "fattura";

// Rows past the count are emptied at every load, so that a rewrite reaching
// past the count finds nothing an older, longer file once held there.
template <class Row>
void svuota_oltre(Tabella<Row>& t, int n) {
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = Row{};
}

void rifiuta(App& app, const std::string& motivo) {
    app.msgbox(motivo + "\rLA FATTURA NON E' STATA REGISTRATA.", plat::Buttons::Ok,
               "AVVISO ERRORE", plat::Icon::Exclamation);
}

}  // namespace

void carica_fatture(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_fatture, kSep, s.fatture,
                                  [&](int i, const std::vector<std::string>& c) {
                                      RigaFattura r;
                                      // A line without any separator is no invoice;
                                      // it still takes its line number.
                                      if (c.size() >= 2) {
                                          // A date that cannot be read is kept as
                                          // the zero date, with the invoice.
                                          r.data = plat::Date::parse_or_zero(c[0]);
                                          for (std::size_t j = 1; j < r.campo.size(); ++j)
                                              r.campo[j] = campo_di(c, j);
                                      }
                                      s.fatture[i] = r;
                                  });
    svuota_oltre(s.fatture, n);
    app.imposta_conta(kFattura, "Text6", n);
}

bool registra_fattura(App& app) {
    Stato& s = app.s;
    auto box = [&](const char* nome) { return app.testo(kFattura, nome); };
    const long k = app.conta(kFattura, "Text4");
    const long n = app.conta(kFattura, "Text6");

    const auto data = plat::Date::parse(box("Text5"));
    if (!data) {
        rifiuta(app, "DATA DELLA FATTURA NON VALIDA: \"" + box("Text5") + "\".");
        return false;
    }
    // An invoice stored, or one after the last row: the register takes
    // invoices past the number it was made for.
    if (!s.fatture.ammesso(k)) {
        rifiuta(app, "IL NUMERO DELLA FATTURA NON E' VALIDO: \"" + box("Text4") + "\".");
        return false;
    }
    if (!senza_separatore(app,
                          {box("Text4"), box("Text14"), box("Text1"), box("Text2"), box("Text3"),
                           box("Text12"), box("Text13")},
                          kSep))
        return false;

    s.fatture.allarga(static_cast<int>(k));
    RigaFattura& r = s.fatture[static_cast<int>(k)];
    r.data = *data;
    r.campo[1] = box("Text4");
    if (s.operazione == "CLIENTI") {
        r.campo[2] = box("Text14");
        r.campo[3] = "";
    } else if (s.operazione == "PROPRIETARI") {
        r.campo[2] = "";
        r.campo[3] = box("Text14");
    }
    r.campo[4] = box("Text1");
    r.campo[5] = box("Text2");
    r.campo[6] = box("Text3");
    // Tax regime: the last ticked box of the four wins; none leaves it.
    for (int j = 1; j <= 4; ++j)
        if (app.campo(kFattura, "Check" + std::to_string(j)).value()) r.campo[7] = std::to_string(j);
    r.campo[8] = box("Text12");
    r.campo[9] = box("Text13");

    s.canale_file = canale_libero();
    std::vector<std::string> righe;
    const int limite =
        static_cast<int>(std::clamp<long>(std::max(n, k), 0, s.fatture.capacita()));
    for (int i = 1; i <= limite; ++i) {
        const RigaFattura& f = s.fatture[i];
        if (f.campo[1] == "CANC") continue;
        std::string riga = f.data.text();
        for (std::size_t j = 1; j < f.campo.size(); ++j) riga += "*" + f.campo[j];
        righe.push_back(std::move(riga));
    }
    const bool ok = scrivi_registro(app, s.percorso_fatture, righe);
    if (ok) app.campo(kFattura, "Check5").set_value(1);
    carica_fatture(app);
    return ok;
}

IntestatarioFattura intestatario_fattura(App& app, const RigaFattura& f) {
    Stato& s = app.s;
    IntestatarioFattura chi;
    if (f.campo[3].empty()) {
        // A client, by the number its code is ("0007" and "7" are one client).
        if (plat::trim(f.campo[2]).empty()) return chi;
        const long codice = plat::leading_int(f.campo[2]);
        const long n = std::clamp<long>(app.conta("prenotazione", "Text22"), 0, s.clienti.capacita());
        for (int i = 1; i <= n; ++i) {
            const Campi<9>& c = s.clienti[i];
            if (plat::trim(c[0]).empty() || plat::leading_int(c[0]) != codice) continue;
            chi.nome = plat::trim(c[1]);
            chi.via = plat::trim(c[2]);
            chi.indirizzo = c[4] + " " + plat::trim(c[3]) + "  (" + c[6] + ")";
            chi.codice_fiscale = plat::trim(c[7]);
            break;
        }
    } else if (f.campo[2].empty()) {
        const long r = plat::leading_int(f.campo[3]);
        const long n = std::clamp<long>(app.conta("PROPRIETARI", "Text1"), 0, s.proprietari.capacita());
        if (r >= 1 && r <= n) {
            const Campi<10>& p = s.proprietari[static_cast<int>(r)];
            chi.nome = plat::trim(p[0]);
            chi.via = plat::trim(p[1]);
            chi.indirizzo = p[4] + " " + p[2] + " " + p[3];
            chi.codice_fiscale = plat::trim(p[7]);
        }
    }
    return chi;
}

void carica_prenotazioni(App& app) {
    Stato& s = app.s;
    s.canale_file = canale_libero();
    int n = 0;
    plat::read_lines_each(s.percorso_prenotazioni, [&](std::string_view testo) {
        // The bookings end at the first empty line.
        if (testo.empty()) return false;
        s.prenotazioni.allarga(++n);
        auto c = plat::split(testo, kSep);
        RigaPrenotazione& p = s.prenotazioni[n];
        for (std::size_t j = 0; j < p.campo.size(); ++j) p.campo[j] = prendi_campo(c, j);
        // "0.00.00", and any text that is no date, is the zero date.
        p.arrivo = plat::Date::parse_or_zero(p.campo[2]);
        p.partenza = plat::Date::parse_or_zero(p.campo[3]);
        p.chiusura = plat::Date::parse_or_zero(p.campo[9]);
        return true;
    });
    svuota_oltre(s.prenotazioni, n);
    app.imposta_conta("prenotazione", "Text21", n);
}

}  // namespace ga
