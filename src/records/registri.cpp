#include "records/registri.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"
#include "records/percorsi.h"

namespace ga {

namespace {

constexpr std::string_view kSep = "*";
// The streets file closes every line with this literal last field.
constexpr std::string_view kFineVia = "* $$";
// The owners file is read on a channel of its own.
constexpr int kCanaleProprietari = 4;

template <std::size_t N>
Campi<N> riga_da(std::vector<std::string>& campi) {
    Campi<N> r;
    for (std::size_t j = 0; j < N; ++j) r[j] = prendi_campo(campi, j);
    return r;
}

// A writer's record index names a row of its table, or the row after the
// last for a new record, which the table makes room for: a register takes
// records past the number it was made for, as its file may hold them.
template <class Row>
bool indice_ammesso(App& app, long k, Tabella<Row>& t) {
    if (!t.ammesso(k)) {
        app.msgbox("IL NUMERO DELLA REGISTRAZIONE NON E' VALIDO (" + std::to_string(k) +
                       ").\rLA REGISTRAZIONE NON E' STATA FATTA.",
                   plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Exclamation);
        return false;
    }
    t.allarga(static_cast<int>(k));
    return true;
}

// Last row a rewrite writes: the larger of the count and the record saved,
// never past the table.
int limite(long n, long k, int capacita) {
    return static_cast<int>(std::clamp<long>(std::max(n, k), 0, capacita));
}

[[noreturn]] void cartella_dati_non_valida(App& app) {
    app.s.risposta = app.msgbox(
        "ATTENZIONE IL PERCORSO DEI DATI NON VALIDO\r"
        "         IDENTIFICA IL PERCORSO DEI DATI  \r"
        "              -IL PROGRAMMA SARA' CHIUSO- ",
        plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Critical);
    app.end_program();
}

}  // namespace

// --- streets ---------------------------------------------------------------

void carica_vie(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_vie, kSep, s.vie,
                                  [&](int i, std::vector<std::string>& c) {
                                      // A line without any separator is no street;
                                      // it still takes its line number.
                                      s.vie[i] = c.size() < 2 ? Campi<3>{} : riga_da<3>(c);
                                  });
    svuota_oltre(s.vie, n);
    app.imposta_conta(kContaVie, n);
}

bool registra_via(App& app) {
    Stato& s = app.s;
    const long n = app.conta(kContaVie);
    const long k = app.conta(kSchedaRecordVia);
    const std::string nome = plat::trim(app.testo(kSchedaVia));
    if (!indice_ammesso(app, k, s.vie)) return false;
    if (!senza_separatore(app, {nome}, kSep)) return false;

    s.canale_file = canale_libero();
    s.vie[static_cast<int>(k)] = {plat::pad_code(std::to_string(k), 4), "", nome};
    std::vector<std::string> righe;
    for (int i = 1; i <= limite(n, k, s.vie.capacita()); ++i) {
        const Campi<3>& v = s.vie[i];
        if (v[2] == "CANC") continue;
        righe.push_back(v[0] + "*" + v[1] + "*" + v[2] + std::string(kFineVia));
    }
    const bool ok = scrivi_registro(app, s.percorso_vie, righe);
    carica_vie(app);
    return ok;
}

// --- owners ----------------------------------------------------------------

void carica_proprietari(App& app) {
    Stato& s = app.s;
    imposta_percorsi_dati(app);
    s.canale_file = kCanaleProprietari;
    // Checked before anything is opened: an empty or missing data folder
    // must not leave an empty register wherever the path happens to lead.
    if (s.cartella_dati.empty() || !plat::folder_exists(s.cartella_dati))
        cartella_dati_non_valida(app);
    int n = 0;
    const bool letto = plat::read_lines_each(s.percorso_proprietari, [&](std::string_view testo) {
        s.proprietari.allarga(++n);
        std::vector<std::string> campi = plat::split(testo, kSep);
        s.proprietari[n] = riga_da<10>(campi);
        return true;
    });
    if (!letto) cartella_dati_non_valida(app);
    svuota_oltre(s.proprietari, n);
    s.proprietari_per_codice.costruisci(s.proprietari, [](const Campi<10>& p) { return plat::leading_int(p[6]); });
    app.imposta_conta(kContaProprietari, n);
}

void vedi_proprietario(App& app) {
    Stato& s = app.s;
    const long k = app.conta(kPropRecord);
    // Position 0 of the browse bar is the empty record.
    const Campi<10> vuoto{};
    const Campi<10>& p =
        k >= 1 && k <= s.proprietari.capacita() ? s.proprietari[static_cast<int>(k)] : vuoto;
    app.campo(kPropProvvigione).set_value(0);
    app.campo(kPropContratto).set_value(0);
    app.imposta(kPropNome, p[0]);
    app.imposta(kPropVia, p[1]);
    app.imposta(kPropCitta, p[2]);
    app.imposta(kPropProvincia, p[3]);
    app.imposta(kPropCap, p[4]);
    app.imposta(kPropTelefono, p[5]);
    app.imposta(kPropCodiceFiscale, p[7]);
    app.imposta(kPropCodice, p[6]);
    app.imposta(kPropEmail, p[9]);
    if (p[8] == "PROVV") app.campo(kPropProvvigione).set_value(1);
    if (p[8] == "CONTR") app.campo(kPropContratto).set_value(1);
}

bool registra_proprietari(App& app) {
    Stato& s = app.s;
    const long n = app.conta(kContaProprietari);
    const long k = app.conta(kPropRecord);
    auto box = [&](const Casella& c) { return app.testo(c); };
    Campi<10> r = {box(kPropNome),     box(kPropVia),    box(kPropCitta),
                   box(kPropProvincia), box(kPropCap),   box(kPropTelefono),
                   box(kPropCodice),   box(kPropCodiceFiscale), "",
                   box(kPropEmail)};
    if (!indice_ammesso(app, k, s.proprietari)) return false;
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSep)) return false;

    Campi<10>& riga = s.proprietari[static_cast<int>(k)];
    // With neither option ticked the stored relation stays as it was.
    r[8] = riga[8];
    if (app.campo(kPropProvvigione).value()) r[8] = "PROVV";
    if (app.campo(kPropContratto).value()) r[8] = "CONTR";
    riga = r;

    s.canale_file = canale_libero();
    std::vector<std::string> righe;
    for (int i = 1; i <= limite(n, k, s.proprietari.capacita()); ++i) {
        const Campi<10>& p = s.proprietari[i];
        if (p[0] == "CANC" || p[0].empty()) continue;
        righe.push_back(plat::join(std::vector<std::string>(p.begin(), p.end()), kSep));
    }
    const bool ok = scrivi_registro(app, s.percorso_proprietari, righe);
    carica_proprietari(app);
    return ok;
}

// --- apartments --------------------------------------------------------------

void carica_appartamenti(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_appartamenti, kSep, s.appartamenti,
                                  [&](int i, std::vector<std::string>& c) {
                                      s.appartamenti[i] = riga_da<13>(c);
                                  });
    svuota_oltre(s.appartamenti, n);
    indicizza_appartamenti(app);
    app.imposta_conta(kContaAppartamenti, n);
}

void indicizza_appartamenti(App& app) {
    app.s.appartamenti_per_codice.costruisci(app.s.appartamenti,
                                             [](const Campi<13>& a) { return plat::leading_int(a[12]); });
}

bool registra_appartamento(App& app) {
    Stato& s = app.s;
    const long n = app.conta(kContaAppartamenti);
    const long k = app.conta(kSchedaRecord);
    auto box = [&](const Casella& c) { return app.testo(c); };

    // The street code of the first street with that name; "000" for none.
    const std::string via = plat::trim(box(kSchedaVia));
    std::string codice_via;
    const long vie = std::min<long>(app.conta(kContaVie), s.vie.capacita());
    for (int i = 1; i <= vie; ++i) {
        if (plat::trim(s.vie[i][2]) == via) {
            codice_via = s.vie[i][0];
            break;
        }
    }
    codice_via = plat::pad_code(codice_via, 3);

    std::string tipo;
    if (app.campo(kSchedaMonolocale).value()) tipo = "MON";
    if (app.campo(kSchedaBilocale).value()) tipo = "BIL";
    if (app.campo(kSchedaTrilocale).value()) tipo = "TRI";
    if (app.campo(kSchedaQuadrilocale).value()) tipo = "QUA";

    const Campi<13> r = {box(kSchedaCodiceProprietario), codice_via,
                         box(kSchedaCivico),             tipo,
                         box(kSchedaSoggiorno),          box(kSchedaBagni),
                         box(kSchedaGiardino),           box(kSchedaPiano),
                         box(kSchedaPostiLetto),         box(kSchedaPeriodicita),
                         "",                             box(kSchedaNote),
                         box(kSchedaCodice)};
    if (!indice_ammesso(app, k, s.appartamenti)) return false;
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSep)) return false;

    s.appartamenti[static_cast<int>(k)] = r;
    s.canale_file = canale_libero();
    std::vector<std::string> righe;
    for (int i = 1; i <= limite(n, k, s.appartamenti.capacita()); ++i) {
        const Campi<13>& a = s.appartamenti[i];
        if (a[1] == "CANC" || a[1].empty()) continue;
        righe.push_back(plat::join(std::vector<std::string>(a.begin(), a.end()), kSep));
    }
    const bool ok = scrivi_registro(app, s.percorso_appartamenti, righe);
    if (ok) app.imposta(kSchedaScritta, "OK");
    carica_appartamenti(app);
    return ok;
}

// --- clients -----------------------------------------------------------------

void carica_clienti(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(app, s.percorso_clienti, kSep, s.clienti,
                                  [&](int i, std::vector<std::string>& c) {
                                      s.clienti[i] = riga_da<9>(c);
                                  });
    svuota_oltre(s.clienti, n);
    s.clienti_per_codice.costruisci(s.clienti, [](const Campi<9>& c) { return plat::leading_number(c[0]); });
    app.imposta_conta(kContaClienti, n);
    // The clients form keeps a copy of the count: while that form is loaded
    // its copy follows every load.
    if (const plat::Form* f = app.form(kNomiConta.forma); f && f->is_loaded())
        app.imposta_conta(kNomiConta, n);
}

int record_cliente(App& app, std::string_view codice, long clienti) {
    if (plat::trim(codice).empty()) return 0;
    return app.s.clienti_per_codice.primo(plat::leading_number(codice), clienti);
}

bool registra_cliente(App& app) {
    Stato& s = app.s;
    const long k = app.conta(kClienteRecord);
    const long n = app.conta(kContaClienti);
    auto box = [&](const Casella& c) { return app.testo(c); };
    const Campi<9> r = {box(kClienteCodice),   box(kClienteNome),     box(kClienteVia),
                        box(kClienteCap),      box(kClienteCitta),    box(kClienteTelefono),
                        box(kClienteProvincia), box(kClienteCodiceFiscale), box(kClienteEmail)};
    if (!indice_ammesso(app, k, s.clienti)) return false;
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSep)) return false;

    s.clienti[static_cast<int>(k)] = r;
    s.canale_file = canale_libero();
    std::vector<std::string> righe;
    for (int i = 1; i <= limite(n, k, s.clienti.capacita()); ++i) {
        const Campi<9>& c = s.clienti[i];
        if (c[1] == "CANC" || c[1].empty()) continue;
        righe.push_back(plat::join(std::vector<std::string>(c.begin(), c.end()), kSep));
    }
    const bool ok = scrivi_registro(app, s.percorso_clienti, righe);
    carica_clienti(app);
    if (ok) app.campo(kClienteScritto).set_value(1);
    return ok;
}

}  // namespace ga
