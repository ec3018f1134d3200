#include "accounts/estratto.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "accounts/EstrattoContoPropr.h"
#include "accounts/caselle.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

using Pezzi = std::vector<std::string>;
using Righe = std::vector<std::string>;

enum class Tipo { acconto, restituzione, saldo, versamento, spesa };

Righe leggi(const std::string& percorso) {
    auto righe = leggi_righe(percorso);
    return righe ? *righe : Righe{};
}

// The amount a journal cell stands for: its Italian reading ("1.234,56" is
// 1234,56, "0,50" is fifty cents); a cell without one (a dot-decimal text,
// "ND") by its leading number. Listing and sums use the same amount, so an
// amount below one is listed and counted like any other.
double importo(const std::string& cella) {
    const std::string t = plat::trim(cella);
    if (auto v = plat::italian_number(t)) return *v;
    return plat::leading_number(t);
}

// Field j of a record's line ("" past its last field), read in place.
std::string_view campo(std::string_view riga, std::size_t j) {
    for (; j > 0; --j) {
        const std::size_t a = riga.find('*');
        if (a == std::string_view::npos) return {};
        riga.remove_prefix(a + 1);
    }
    return riga.substr(0, riga.find('*'));
}

// A register read from disk for one statement, with the first line (blank
// ones holding no record) holding each value of field `j`: every movement
// finds its record in one step, however long the file. A line's fields are
// read where it stands when asked for: the statement reads a field or two
// of the few records it meets, and splitting every line of the register
// into its fields would cost more memory than the whole file.
class Registro {
public:
    Registro(const std::string& percorso, std::size_t j) : righe_(leggi(percorso)) {
        primo_.reserve(righe_.size());
        for (std::size_t i = 0; i < righe_.size(); ++i) {
            if (plat::trimmed(righe_[i]).empty()) continue;
            // A blank field is no code: an unknown code must not pick the
            // first record whose code is also blank.
            const std::string_view c = campo(righe_[i], j);
            if (!plat::trimmed(c).empty()) primo_.try_emplace(plat::leading_number(c), i);
        }
    }
    // The first line whose field j has the value of `chiave`; nullptr for
    // none, and for a blank key.
    const std::string* cerca(const std::string& chiave) const {
        if (plat::trimmed(chiave).empty()) return nullptr;
        const auto it = primo_.find(plat::leading_number(chiave));
        return it == primo_.end() ? nullptr : &righe_[it->second];
    }

private:
    Righe righe_;
    std::unordered_map<double, std::size_t> primo_;
};

// Arrival and departure of booking number n (its line number); both empty
// when the file ends before it (a blank line holds none).
class Periodi {
public:
    explicit Periodi(const std::string& percorso) : righe_(leggi(percorso)) {}
    std::pair<std::string, std::string> operator()(long n) const {
        if (n < 1 || n > static_cast<long>(righe_.size())) return {};
        const Pezzi c = plat::split(righe_[static_cast<std::size_t>(n - 1)], "*");
        return {campo_di(c, pren::arrivo), campo_di(c, pren::partenza)};
    }

private:
    Righe righe_;
};

// Writes a result box of a form that is part of the program.
void esito(App& app, const Casella& box, const std::string& testo) { app.imposta(box, testo); }

std::string cifra(double v) { return plat::pad_left(plat::format_amount(v), 10); }

// Every amount of the statement ends in one column, the column the
// separator line above the total closes: the text before it is padded to
// this width (a longer text gives up its leading blanks first).
constexpr int kPrimaDellImporto = 75;

std::string con_importo(std::string testo, double v) {
    while (plat::length(testo) > kPrimaDellImporto && !testo.empty() && testo.front() == ' ')
        testo.erase(0, 1);
    return plat::pad_right(testo, kPrimaDellImporto) + cifra(v);
}

// The kinds the filters let through, in the order they are tried.
std::vector<Tipo> tipi_ammessi(App& app) {
    auto spuntato = [&](const Casella& box) { return app.campo(box).value() == 1; };
    if (spuntato(kEstrattoSoloSpese)) return {Tipo::spesa};
    if (spuntato(kEstrattoSoloVersamenti)) return {Tipo::versamento};
    if (spuntato(kEstrattoSoloSaldi)) return {Tipo::saldo};
    if (spuntato(kEstrattoSoloAcconti)) return {Tipo::acconto, Tipo::restituzione};
    return {Tipo::acconto, Tipo::restituzione, Tipo::saldo, Tipo::versamento, Tipo::spesa};
}

// Running sums of a statement, in cents: gross (advances, their refunds,
// rent balances), payouts and expenses, and the total they leave to the
// owner. Each movement counts as its line shows it, to the cent.
struct Somme {
    long long lordo = 0, versamenti = 0, spese = 0, totale = 0;
    void aggiungi(Tipo t, long long somma) {
        switch (t) {
            case Tipo::versamento:
                versamenti += somma;
                totale -= somma;
                break;
            case Tipo::spesa:
                spese += somma;
                totale -= somma;
                break;
            default:
                lordo += somma;
                totale += somma;
                break;
        }
    }
};

double euro(long long cent) { return static_cast<double>(cent) / 100; }

// The agency's commission on a gross, rounded once to the cent: the line
// that shows it and every total made with it use this same figure.
long long provvigione_su(double percentuale, long long lordo) {
    return plat::round_cents(percentuale * euro(lordo) / 100);
}

}  // namespace

SommeEstratto estratto_conto_proprietario(App& app, const std::string& nome_scelto, int record) {
    Stato& s = app.s;
    scegli_proprietario(app, plat::trim(nome_scelto), record);
    plat::Control& lista = app.campo(kEstrattoRighe);
    lista.clear();
    // The sums of the whole statement, which the other forms are given, and
    // those of the lines the filter lets through, which close the list.
    Somme tutto, elencato;
    std::string rapporto;

    const std::string nome = plat::trim(nome_scelto);
    // The chosen owner's code, when the owner's record is known: a namesake's
    // movements are not this owner's.
    std::string codice_scelto;
    if (s.proprietari.valido(record) &&
        plat::trim(s.proprietari[record][proprietario::nome]) == nome)
        codice_scelto = plat::trim(s.proprietari[record][proprietario::codice]);
    // The owner's code, name and address are shown before any movement is
    // found: an owner with none shows his own, never the last owner's.
    {
        int chi = codice_scelto.empty() ? 0 : record;
        const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
        for (int i = 1; i <= n && chi == 0 && !nome.empty(); ++i)
            if (plat::trim(s.proprietari[i][proprietario::nome]) == nome) chi = i;
        const auto campo = [&](std::size_t j) {
            return chi == 0 ? std::string() : s.proprietari[chi][j];
        };
        const std::string codice = plat::trim(campo(proprietario::codice));
        esito(app, kVersamentoCodiceProprietario, codice);
        app.imposta(kEstrattoCodiceProprietario, codice);
        esito(app, kVersamentoNome, chi == 0 ? nome : campo(proprietario::nome));
        esito(app, kVersamentoVia, campo(proprietario::via));
        esito(app, kVersamentoCitta, campo(proprietario::citta));
        esito(app, kSintesiNome, nome);
    }
    const std::vector<Tipo> ammessi = tipi_ammessi(app);
    auto ammesso = [&](Tipo t) {
        return std::find(ammessi.begin(), ammessi.end(), t) != ammessi.end();
    };
    const Registro appartamenti(s.percorso_appartamenti, appartamento::codice);
    const Registro proprietari(s.percorso_proprietari, proprietario::codice);
    const Periodi periodo(s.percorso_prenotazioni);
    Tabella<RigaSpesa>& tabella = tabella_spese(app);

    const long n = std::clamp<long>(app.conta(kContaMovimenti), 0, s.movimenti.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaMovimento m = s.movimenti[i];
        std::string ap = plat::trim(m.campo[movimento::appartamento]);
        std::string codice;
        if (ap.empty()) {
            codice = plat::trim(m.campo[movimento::parte]);
        } else if (ap == "1000") {
            continue;
        } else {
            ap = plat::pad_code(ap);
            if (const std::string* a = appartamenti.cerca(ap))
                codice = plat::trim(campo(*a, appartamento::codice_proprietario));
        }
        // A movement whose apartment or owner cannot be found belongs to no
        // owner, so it is listed in nobody's statement.
        const std::string* p = proprietari.cerca(codice);
        if (!p || plat::trimmed(campo(*p, proprietario::nome)) != nome) continue;
        if (!codice_scelto.empty() &&
            !stesso_codice(std::string(campo(*p, proprietario::codice)), codice_scelto))
            continue;
        esito(app, kVersamentoCodiceProprietario, codice);
        app.imposta(kEstrattoCodiceProprietario, codice);
        esito(app, kVersamentoNome, std::string(campo(*p, proprietario::nome)));
        esito(app, kVersamentoVia, std::string(campo(*p, proprietario::via)));
        esito(app, kVersamentoCitta, std::string(campo(*p, proprietario::citta)));
        rapporto = plat::trim(campo(*p, proprietario::rapporto));

        const double c2 = importo(m.campo[movimento::acconto]),
                     c3 = importo(m.campo[movimento::saldo]),
                     c4 = importo(m.campo[movimento::importo]);
        const double c7 = plat::leading_number(m.campo[movimento::numero]);
        const long numero = plat::leading_int(m.campo[movimento::numero]);  // booking or expense
        // The kinds exclude one another: a movement is of one kind at most.
        std::optional<Tipo> tipo;
        if (c2 > 0) tipo = Tipo::acconto;
        else if (c2 < 0)
            tipo = Tipo::restituzione;
        else if (c3 > 0)
            tipo = Tipo::saldo;
        else if (c3 == 0 && c4 > 0 && c7 == 0)
            tipo = Tipo::versamento;
        else if (c3 == 0 && c4 > 0 && c7 > 0)
            tipo = Tipo::spesa;
        if (!tipo) continue;
        const double somma = *tipo == Tipo::acconto || *tipo == Tipo::restituzione ? c2
                             : *tipo == Tipo::saldo                                ? c3
                                                                                   : c4;
        tutto.aggiungi(*tipo, plat::round_cents(somma));
        // The filter chooses only what is listed.
        if (!ammesso(*tipo)) continue;
        elencato.aggiungi(*tipo, plat::round_cents(somma));

        const std::string d = m.data.text();
        std::string riga;
        switch (*tipo) {
            case Tipo::acconto:
            case Tipo::restituzione:
            case Tipo::saldo: {
                const std::string etichetta =
                    *tipo == Tipo::acconto ? plat::pad_right(" ACCONTO AFFITTO PER IL PERIODO ", 30)
                    : *tipo == Tipo::restituzione
                        ? plat::pad_right(" RESTITUZ. ACC. PER REVOCA PER. ", 30)
                        : plat::pad_right(" SALDO AFFITTO PER IL PERIODO ", 32);
                const auto [arrivo, partenza] = periodo(numero);
                riga = con_importo(d + " " + etichetta + " " + ap + " " + arrivo + " " + partenza,
                                   somma);
                break;
            }
            case Tipo::versamento:
                riga = con_importo(
                    d + " " + plat::pad_right(" SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA ", 60),
                    c4);
                break;
            case Tipo::spesa: {
                const std::string etichetta =
                    numero <= tabella.capacita()
                        ? tabella[static_cast<int>(numero)][voce_spesa::descrizione]
                        : std::string();
                riga = con_importo(d + " " + plat::pad_right(etichetta, 55) + " " + ap, c4);
                break;
            }
        }
        lista.add_item(riga);
    }

    const bool dovuta = rapporto != "CONTR";
    const std::string p = plat::trim(app.testo(kAvvioPercentualeAffitto));
    const double percentuale = importo(p);
    // The residue is the gross less payouts, expenses and the commission as
    // shown: the payout form is refused exactly when the summary shows 0,00.
    const long long provvigione = dovuta ? provvigione_su(percentuale, tutto.lordo) : 0;
    const SommeEstratto esiti{euro(tutto.lordo),
                              euro(tutto.spese),
                              euro(tutto.versamenti),
                              euro(provvigione),
                              euro(tutto.totale - provvigione),
                              dovuta};

    // The close of the list sums the lines listed.
    long long totale_elencato = elencato.totale;
    if (esiti.provvigione_dovuta) {
        const long long sul_elencato = provvigione_su(percentuale, elencato.lordo);
        totale_elencato -= sul_elencato;
        lista.add_item(con_importo(std::string(17, ' ') +
                                       "         IMPORTO PER L'AGENZIA PARI AL " + p + "% SU " +
                                       plat::format_amount(euro(elencato.lordo)) + " € ",
                                   euro(sul_elencato)));
    }
    lista.add_item(std::string(73, ' ') + std::string(12, '-'));
    if (totale_elencato > 0)
        lista.add_item(con_importo(
            "   " + std::string(
                        "         T O T A L E   A  S A L D O  D E L  P R O P R I E T A R I O  "),
            euro(totale_elencato)));

    esito(app, kSintesiLordo, plat::format_amount(esiti.lordo));
    esito(app, kSintesiSpese, plat::format_amount(esiti.spese));
    esito(app, kSintesiVersamenti, plat::format_amount(esiti.versamenti));
    // An owner under contract pays no commission: the summary must not keep
    // the commission of the owner shown before.
    esito(app, kSintesiProvvigione, plat::format_amount(esiti.provvigione));
    const std::string residuo = plat::format_amount(esiti.totale);
    esito(app, kSintesiResiduo, residuo);
    esito(app, kVersamentoDovuto, residuo);
    esito(app, kSpesaDisponibile, residuo);
    return esiti;
}

std::string proprietario_scelto(plat::Control& combo) {
    const int i = combo.list_index();
    if (i >= 0 && combo.text() != combo.item(i)) combo.set_text(combo.item(i));
    return combo.text();
}

int record_scelto(plat::Control& combo) {
    const int i = combo.list_index();
    if (i < 0 || combo.item(i) != combo.text()) return 0;
    return static_cast<int>(combo.item_data(i));
}

void scegli_proprietario(App& app, const std::string& nome, int record) {
    EstrattoContoPropr& f = app.form<EstrattoContoPropr>();
    f.Combo1.set_text(nome);
    f.record_proprietario = record;
    // The name shown in place of the list, once a name is picked, is the
    // owner's the statement is drawn for, whoever draws it.
    f.Text1.set_text(nome);
}

}  // namespace ga
