#include "accounts/VEDISALDI.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "accounts/archivio_spese.h"
#include "accounts/caselle.h"
#include "accounts/estratto.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/movimenti.h"
#include "records/proprietari.h"

namespace ga {

namespace {

constexpr const char* kAcconto = " ACCONTO AFFITTO PER IL PERIODO ";
constexpr const char* kSaldo = " SALDO AFFITTO PER IL PERIODO ";
constexpr const char* kPagamento = " SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA ";
constexpr const char* kSenzaAppartamento = "1000";

using Campi_ = std::vector<std::string>;

double valore(const std::string& testo) { return plat::leading_number(testo); }

// The amount a journal cell stands for: its Italian reading ("0,50" is fifty
// cents), or its leading number when it has none. Read so, an amount below
// one is listed like any other, as the owner's statement lists it.
double somma(const std::string& cella) {
    const std::string t = plat::trim(cella);
    if (auto v = plat::italian_number(t)) return *v;
    return plat::leading_number(t);
}

// The same code by value; a blank code or field matches nothing, so an
// unknown code never finds a record whose code is blank too.
bool stesso_codice(const std::string& campo, const std::string& codice) {
    if (plat::trimmed(campo).empty() || plat::trimmed(codice).empty()) return false;
    return valore(campo) == valore(codice);
}

// Row i of a table, or nullptr when the table has no such row.
template <class Row>
const Row* riga_di(Tabella<Row>& t, long i) {
    return i >= 1 && i <= t.capacita() ? &t[static_cast<int>(i)] : nullptr;
}

// The movement column as the rows show it: its amount, right-aligned in ten.
std::string importo(const std::string& colonna) {
    return plat::pad_left(plat::format_amount(std::string_view(plat::trim(colonna))), 10);
}

// A date of the bookings file in the program's short form; a text that is
// no date is shown as it stands.
std::string data_breve(const std::string& testo) {
    const auto d = plat::Date::parse(plat::trim(testo));
    return d ? d->text() : testo;
}

// The three registers the rows are drawn from, read from disk once for each
// listing (they do not change while the list is built).
class Registri {
public:
    explicit Registri(const Stato& s) {
        for (const std::string& riga : leggi(s.percorso_appartamenti)) {
            // A blank line holds no apartment.
            if (plat::trimmed(riga).empty()) continue;
            appartamenti_.push_back(plat::split(riga, "*"));
        }
        for (const std::string& riga : leggi(s.percorso_proprietari))
            if (!riga.empty()) proprietari_.push_back(plat::split(riga, "*"));
        for (const std::string& riga : leggi(s.percorso_prenotazioni)) {
            // A booking's number is its line: a blank line holds none but
            // keeps its place.
            prenotazioni_.push_back(plat::split(riga, "*"));
        }
    }

    // Owner code of the apartment, by its code's number.
    std::optional<std::string> proprietario_di(const std::string& appartamento) const {
        for (const Campi_& a : appartamenti_)
            if (stesso_codice(campo_di(a, appartamento::codice), appartamento))
                return campo_di(a, appartamento::codice_proprietario);
        return std::nullopt;
    }

    // Name of the owner with that code, by the code's number.
    std::optional<std::string> nome(const std::string& codice_proprietario) const {
        for (const Campi_& p : proprietari_)
            if (stesso_codice(campo_di(p, proprietario::codice), codice_proprietario))
                return campo_di(p, proprietario::nome);
        return std::nullopt;
    }

    // Arrival and departure of booking b; blank when the file has no such
    // booking.
    std::pair<std::string, std::string> date(long b) const {
        if (b < 1 || b > static_cast<long>(prenotazioni_.size())) return {"", ""};
        const Campi_& p = prenotazioni_[static_cast<std::size_t>(b - 1)];
        return {data_breve(campo_di(p, pren::arrivo)), data_breve(campo_di(p, pren::partenza))};
    }

private:
    static std::vector<std::string> leggi(const std::string& percorso) {
        return leggi_righe(percorso).value_or(std::vector<std::string>{});
    }

    std::vector<Campi_> appartamenti_, proprietari_, prenotazioni_;
};

}  // namespace

VEDISALDI::VEDISALDI(App& app) : Forma(app, kName) {
    design("VEDI ACCONTI / SALDI", px(860), px(560));
    metti(ICONAAGENZIA, 12, 10, 100, 75).design().stretch = true;
    metti(Label1, 130, 16, 500, 30).design().font_size = 16;
    Label1.design().bold = true;
    // The heading of the accounts button's view; the other two modes put
    // their own when the form loads.
    Label1.design().text = "MOVIMENTI DEI PROPRIETARI";

    etichetta("PROPRIETARIO", 130, 62, 90);
    metti(Combo1, 224, 58, 300, 24);
    metti(Command1, 536, 56, 90, 28).design().text = "VEDI";

    metti(List1, 12, 100, 836, 392).design().fixed_pitch = true;

    metti(ESCI, 728, 506, 120, 36).design().text = "USCITA";

    Combo1.on_click = [this] { Combo1_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    List1.on_click = [this] { List1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void VEDISALDI::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    if (s.operazione == "saldiP") Label1.set_caption("SALDI / ACCONTI");
    if (s.operazione == "spese") Label1.set_caption("--- SPESE ---");
    carica_saldi(app);
    carica_spese(app);
    carica_proprietari(app);
    Combo1.clear();
    const long n = std::min<long>(app.conta(kContaProprietari), s.proprietari.capacita());
    for (int i = 1; i <= n; ++i)
        Combo1.add_item(s.proprietari[i][proprietario::nome], i);  // the owner's record
}

void VEDISALDI::Command1_Click() {
    List1.clear();
    const std::string modo = s.operazione;
    const bool solo_pagamenti = modo == "saldiP";
    const bool solo_spese = modo == "spese";
    const bool tutto = !solo_pagamenti && !solo_spese;
    const std::string scelto = plat::trim(Combo1.text());
    // The owner picked from the list is told from a namesake by its code.
    const int record = record_scelto(Combo1);
    const std::string codice_scelto = s.proprietari.valido(record)
                                          ? plat::trim(s.proprietari[record][proprietario::codice])
                                          : std::string();
    const Registri registri(s);
    Tabella<RigaSpesa>& spese = tabella_spese(app);

    const long n = std::min<long>(app.conta(kContaMovimenti), s.movimenti.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaMovimento& m = s.movimenti[i];
        const auto& c = m.campo;
        const std::string colonna8 = plat::trim(c[movimento::appartamento]);
        if (colonna8 == kSenzaAppartamento) continue;
        const std::string appartamento = plat::pad_left(colonna8, 4, '0');

        // A payout names its owner; any other movement names an apartment.
        const std::optional<std::string> codice =
            colonna8.empty() ? std::optional<std::string>(c[movimento::parte])
                             : registri.proprietario_di(appartamento);
        const std::optional<std::string> nome = codice ? registri.nome(*codice) : std::nullopt;
        // A movement whose owner cannot be told belongs to no chosen owner.
        if (!scelto.empty() && (!nome || plat::trim(*nome) != scelto)) continue;
        if (!scelto.empty() && !codice_scelto.empty() && valore(*codice) != valore(codice_scelto))
            continue;
        const std::string proprietario = plat::pad_right(nome.value_or(""), 24);

        const double c2 = somma(c[movimento::acconto]), c3 = somma(c[movimento::saldo]),
                     c4 = somma(c[movimento::importo]), c7 = valore(c[movimento::numero]);
        auto aggiungi = [&](const std::vector<std::string>& colonne) {
            List1.add_item(" | " + plat::join(colonne, " - "));
        };
        auto riga_affitto = [&](const char* etichetta, int larghezza, const std::string& colonna) {
            const auto [arrivo, partenza] = registri.date(plat::leading_int(c[movimento::numero]));
            aggiungi({m.data.text(), proprietario, plat::pad_right(etichetta, larghezza), arrivo,
                      partenza, importo(colonna)});
        };

        if (tutto) {
            const RigaPrenotazione vuota;
            const RigaPrenotazione* trovata =
                riga_di(s.prenotazioni, plat::leading_int(c[movimento::numero]));
            const RigaPrenotazione& p = trovata ? *trovata : vuota;
            const long collegamento = plat::leading_int(p.campo[pren::movimento]);
            // An advance received on a booking still let (a revoked booking's
            // rent is 0,00); the booking's other movements are no advance.
            if (c2 > 0 && somma(p.campo[pren::affitto]) > 0)
                riga_affitto(kAcconto, 30, c[movimento::acconto]);
            // The balance movement of a paid booking and any later one with a
            // rent balance; the new-booking movement, older than the link,
            // carries the agency fee in that column and is no balance.
            else if (c2 == 0 && c3 > 0 && collegamento > 0 && i >= collegamento)
                riga_affitto(kSaldo, 32, c[movimento::saldo]);
        }
        const bool uscita = c2 == 0 && c3 == 0 && c4 > 0;
        if ((tutto || solo_pagamenti) && uscita && c7 == 0)
            aggiungi({m.data.text(), proprietario, plat::pad_right(kPagamento, 60),
                      importo(c[movimento::importo])});
        if ((tutto || solo_spese) && uscita && c7 > 0) {
            const RigaSpesa* spesa = riga_di(spese, plat::leading_int(c[movimento::numero]));
            const std::string testo = spesa ? (*spesa)[voce_spesa::descrizione] : "";
            aggiungi({m.data.text(), proprietario, plat::pad_right(testo, 60),
                      importo(c[movimento::importo])});
        }
    }
}

void VEDISALDI::ESCI_Click() {
    s.operazione = "";
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
