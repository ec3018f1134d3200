#include "bookings/archivi_prenotazioni.h"

#include "bookings/caselle.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

constexpr std::string_view kSep = "*";

// Rows past the count are emptied at every load, so that nothing an older,
// longer file held there is ever taken for a record.
template <class Row>
void svuota_oltre(Tabella<Row>& t, int n) {
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = Row{};
}

}  // namespace

void carica_note(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_note, kSep, s.note,
                                  [&](int i, std::vector<std::string>& c) {
                                      // An empty line (or a single blank) keeps its
                                      // note number but holds no note.
                                      const bool vuota =
                                          c.size() == 1 && (c[0].empty() || c[0] == " ");
                                      s.note[i] = vuota ? Campi<3>{}
                                                        : Campi<3>{prendi_campo(c, 0), prendi_campo(c, 1),
                                                                   prendi_campo(c, 2)};
                                  });
    svuota_oltre(s.note, n);
    app.imposta_conta(kContaNote, n);
}

void carica_saldi(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_saldi, kSep, s.movimenti,
                                  [&](int i, std::vector<std::string>& c) {
                                      RigaMovimento m;
                                      // An empty line keeps its movement number and
                                      // holds no movement.
                                      if (!(c.size() == 1 && c[0].empty())) {
                                          // A date that cannot be read is kept as the
                                          // zero date, with the movement.
                                          m.data = plat::Date::parse_or_zero(c[0]);
                                          for (std::size_t j = 1; j < m.campo.size(); ++j)
                                              m.campo[j] = prendi_campo(c, j);
                                      }
                                      s.movimenti[i] = std::move(m);
                                  });
    svuota_oltre(s.movimenti, n);
    app.imposta_conta(kContaMovimenti, n);
    app.imposta_conta(kSpesaContaMovimenti, n);
}

bool registrazione_rifiutata(App& app, const std::string& motivo) {
    app.msgbox(motivo + "\rLA REGISTRAZIONE NON E' STATA FATTA.", plat::Buttons::Ok,
               "AVVISO ERRORE", plat::Icon::Exclamation);
    return false;
}

std::optional<plat::Date> data_registrabile(App& app, std::string_view testo,
                                            std::string_view cosa) {
    if (auto d = plat::Date::parse(plat::trim(testo))) return d;
    registrazione_rifiutata(app, std::string(cosa) + " NON E' VALIDA: \"" + std::string(testo) + "\".");
    return std::nullopt;
}

bool valori_registrabili(App& app, const std::vector<std::string>& valori) {
    return senza_separatore(app, valori, kSep);
}

}  // namespace ga
