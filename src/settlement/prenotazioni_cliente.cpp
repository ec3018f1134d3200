#include "settlement/prenotazioni_cliente.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/archivio.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/caselle.h"

namespace ga {

namespace {

using Righe = std::vector<std::string>;

Righe righe_di(const std::string& percorso) { return leggi_righe(percorso).value_or(Righe{}); }

std::string campo(const std::vector<std::string>& c, std::size_t j) { return campo_di(c, j); }

// An amount as a journal or a box holds it: the Italian reading ("1.500,00"
// is fifteen hundred), or the leading number of a text that has none.
double importo(std::string_view t) {
    if (auto v = plat::italian_number(t)) return *v;
    return plat::leading_number(t);
}

void formatta(App& app, const Casella& box) {
    plat::Control& c = app.campo(box);
    c.set_text(plat::format_amount(std::string_view(c.text())));
}

void metti_formattato(App& app, const Casella& box, const std::string& testo) {
    app.imposta(box, plat::format_amount(std::string_view(testo)));
}

void visibile(App& app, const Casella& box, bool v) { app.campo(box).set_visible(v); }

// The owner code, owner's name and street of the apartment `codice`, looked
// up in the apartments file, the streets table and the owners file. What is
// not found stays empty.
void cerca_appartamento(App& app, const Righe& appartamenti, const Righe& proprietari,
                        const std::string& codice, PezziRigaPrenotazione& r) {
    Stato& s = app.s;
    const double chiave = plat::leading_number(plat::trim(codice));
    std::optional<std::vector<std::string>> app_trovato;
    for (const std::string& riga : appartamenti) {
        // A blank line holds no apartment; the search goes on past it.
        if (plat::trimmed(riga).empty()) continue;
        auto c = plat::split(riga, kSeparatore);
        if (plat::leading_number(campo(c, appartamento::codice)) == chiave) {
            app_trovato = std::move(c);
            break;
        }
    }
    if (!app_trovato) return;
    r.proprietario = campo(*app_trovato, appartamento::codice_proprietario);
    const double via = plat::leading_number(campo(*app_trovato, appartamento::codice_via));

    const long vie = std::clamp<long>(app.conta(kContaVie), 0, s.vie.capacita());
    for (int k = 1; k <= vie; ++k) {
        // The whole code: street 1000 is not street 000.
        if (plat::leading_number(s.vie[k][vie::codice]) != via) continue;
        r.via = s.vie[k][vie::nome];
        break;
    }

    const double proprietario = plat::leading_number(r.proprietario);
    for (const std::string& riga : proprietari) {
        if (plat::trimmed(riga).empty()) continue;
        const auto c = plat::split(riga, kSeparatore);
        if (plat::leading_number(campo(c, proprietario::codice)) != proprietario) continue;
        r.nome_proprietario = campo(c, proprietario::nome);
        break;
    }
}

// The deposit the balance form proposes: the larger of the minimum deposit
// and the agency's percentage of the rent.
std::string cauzione_da_chiedere(const Stato& s, const std::string& affitto) {
    const double p =
        plat::italian_or_zero(affitto) * plat::italian_or_zero(s.percentuale_cauzione) / 100;
    const std::string percentuale = plat::short_number(p);
    if (plat::leading_number(s.deposito_minimo) > plat::leading_number(percentuale))
        return s.deposito_minimo;
    return percentuale;
}

// One agency item: booked value into this form and the balance form; the
// amount to collect now (`da_riscuotere`) gets the default only when nothing
// was booked, and is emptied otherwise so that an earlier pick leaves nothing
// behind in the balance form.
void voce_agenzia(App& app, const Casella& box_visu, const Casella& box_saldo,
                  const Casella& box_default, const std::string& prenotato,
                  const std::string& predefinito) {
    metti_formattato(app, box_visu, prenotato);
    metti_formattato(app, box_saldo, prenotato);
    const bool niente = plat::leading_number(app.testo(box_saldo)) == 0;
    app.imposta(box_default, niente ? predefinito : std::string());
    formatta(app, box_default);
}

}  // namespace

std::string riga_prenotazione_cliente(const PezziRigaPrenotazione& p) {
    return " " + plat::pad_left(std::to_string(p.numero), 4) + " - " +
           plat::pad_code(p.appartamento, 4) + " - " + p.proprietario + " - " +
           plat::pad_right(p.nome_proprietario, 24) + " - " + plat::pad_right(p.via, 24) + " - " +
           p.arrivo + " - " + p.partenza;
}

std::vector<std::string>& righe_prenotazioni_cliente(App& app) {
    return app.form<VisuPrenotCliente>().righe_prenotazioni_cliente;
}

const PezziRigaPrenotazione* prenotazione_cliente_scelta(App& app) {
    plat::Control& lista = app.campo(kVisuPrenotazioni);
    const int indice = lista.list_index();
    if (indice < 0) return nullptr;
    const long numero = lista.item_data(indice);
    for (const PezziRigaPrenotazione& p : app.form<VisuPrenotCliente>().pezzi_prenotazioni_cliente)
        if (p.numero == numero) return &p;
    return nullptr;
}

void elenca_prenotazioni_cliente(App& app) {
    Stato& s = app.s;
    plat::Control& lista = app.campo(kVisuPrenotazioni);
    lista.clear();
    std::vector<std::string>& righe = righe_prenotazioni_cliente(app);
    righe.assign(1, std::string());
    std::vector<PezziRigaPrenotazione>& pezzi =
        app.form<VisuPrenotCliente>().pezzi_prenotazioni_cliente;
    pezzi.clear();

    const std::string cliente =
        plat::trim(s.modo_chiamata == "fatturaz" ? app.testo(kFatturaIntestatario)
                                                 : app.testo(kVisuCodiceCliente));
    const double codice = plat::leading_number(cliente);

    const Righe prenotazioni = righe_di(s.percorso_prenotazioni);
    // Read once for the whole listing; each booking searches them from the start.
    std::optional<Righe> appartamenti, proprietari;
    long numero = 1;
    for (const std::string& testo : prenotazioni) {
        // A blank line holds no booking but keeps its number.
        if (plat::trimmed(testo).empty()) {
            ++numero;
            continue;
        }
        const auto c = plat::split(testo, kSeparatore);
        if (plat::leading_number(plat::trim(campo(c, pren::cliente))) != codice) {
            ++numero;
            continue;
        }
        if (!appartamenti) {
            appartamenti = righe_di(s.percorso_appartamenti);
            proprietari = righe_di(s.percorso_proprietari);
        }
        PezziRigaPrenotazione r;
        r.numero = numero;
        r.appartamento = campo(c, pren::appartamento);
        r.arrivo = campo(c, pren::arrivo);
        r.partenza = campo(c, pren::partenza);
        cerca_appartamento(app, *appartamenti, *proprietari, r.appartamento, r);
        const std::string riga = riga_prenotazione_cliente(r);
        lista.add_item(riga, numero);  // the line's booking
        righe.push_back(riga);
        pezzi.push_back(std::move(r));
        ++numero;
    }
    app.imposta(kFatturaRighePrenotazioni, std::to_string(righe.size() - 1));
    // A guest from Christmas to Epiphany is in one year's file only: the
    // other year's forms say where the client's bookings are.
    if (righe.size() == 1 && !cliente.empty())
        if (const int anno = anno_con_prenotazioni_del_cliente(s, codice))
            app.msgbox("IL CLIENTE HA PRENOTAZIONI NEL " + std::to_string(anno) +
                       ": CAMBIARE L'ANNO DI GESTIONE PER VEDERLE");
}

void seleziona_prenotazione(App& app) {
    Stato& s = app.s;
    app.imposta(kVisuNota, "");
    app.imposta(kVisuRestituito, "");
    visibile(app, kVisuRestituito, false);

    const bool cauzione = s.operazione == "cauzion";
    const std::string scelta =
        cauzione ? app.testo(kCauzioneRiga) : app.campo(kVisuPrenotazioni).text();
    if (scelta.empty()) return;
    // The booking the picked line was listed for; the deposit form's caption
    // starts with the number of the booking it was made for.
    const PezziRigaPrenotazione* riga = cauzione ? nullptr : prenotazione_cliente_scelta(app);
    // Written as the line shows it, blanks included: the journal and the
    // notes store the number so.
    app.imposta(kVisuPrenotazione, riga
                                       ? " " + plat::pad_left(std::to_string(riga->numero), 4) + " "
                                       : plat::split(scelta, "-")[0]);

    visibile(app, kVisuSalda, s.operazione != "REVOCA");
    visibile(app, kVisuRevoca, s.operazione != "SALDO");

    vedi_dati_prenotazione(app);

    app.imposta(kVisuResiduo, "");
    for (const Casella& box : {kVisuAffitto, kVisuAcconto, kVisuSaldato}) {
        if (!app.testo(box).empty()) continue;
        app.imposta(box, "0");
        formatta(app, box);
    }
    // To the cent: an overpayment, however small, leaves nothing due, and
    // anything due, however small, can still be paid (or the booking would
    // stay open, and expired, for ever).
    const long long residuo =
        std::max<long long>(0, plat::cents(plat::italian_or_zero(app.testo(kVisuAffitto))) -
                                   plat::cents(plat::italian_or_zero(app.testo(kVisuAcconto))) -
                                   plat::cents(plat::italian_or_zero(app.testo(kVisuSaldato))));
    const std::string testo = plat::short_number(static_cast<double>(residuo) / 100);
    app.imposta(kSaldoResiduo, testo);
    app.imposta(kVisuResiduo, testo);
    formatta(app, kVisuResiduo);
    formatta(app, kSaldoResiduo);
    if (residuo == 0) {
        for (const Casella& b : {kVisuSalda, kVisuRevoca, kVisuModifica}) visibile(app, b, false);
    }
}

void vedi_dati_prenotazione(App& app) {
    Stato& s = app.s;
    const long chiave = plat::leading_int(app.testo(kVisuPrenotazione));

    const Righe prenotazioni = righe_di(s.percorso_prenotazioni);
    std::optional<std::vector<std::string>> trovata;
    for (std::size_t n = 0; n < prenotazioni.size(); ++n) {
        if (plat::trimmed(prenotazioni[n]).empty()) continue;
        if (static_cast<long>(n) + 1 == chiave) trovata = plat::split(prenotazioni[n], kSeparatore);
    }
    if (!trovata) {
        // A booking the file no longer holds shows nothing rather than the
        // figures (and the period number) of the booking picked before.
        for (const Casella& box : {kVisuAffitto, kVisuAcconto, kVisuSaldato, kVisuDiritti,
                                   kVisuPulizia, kVisuCauzione, kVisuPeriodo})
            app.imposta(box, "");
        return;
    }
    const std::vector<std::string>& c = *trovata;

    s.numero_nota = campo(c, pren::nota);
    app.imposta(kVisuPeriodo, campo(c, pren::periodo));
    metti_formattato(app, kVisuAffitto, campo(c, pren::affitto));
    metti_formattato(app, kSaldoAffitto, campo(c, pren::affitto));
    metti_formattato(app, kVisuAcconto, campo(c, pren::acconto));
    metti_formattato(app, kSaldoAcconto, campo(c, pren::acconto));
    voce_agenzia(app, kVisuDiritti, kSaldoDirittiPrenotati, kSaldoDirittiDaIncassare,
                 campo(c, pren::diritti), s.diritti_agenzia);
    voce_agenzia(app, kVisuPulizia, kSaldoPuliziaPrenotata, kSaldoPuliziaDaIncassare,
                 campo(c, pren::pulizia), s.pulizia_finale);
    voce_agenzia(app, kVisuCauzione, kSaldoCauzionePrenotata, kSaldoCauzioneDaIncassare,
                 campo(c, pren::cauzione), cauzione_da_chiedere(s, campo(c, pren::affitto)));
    app.imposta(kVisuSaldato, "");
    app.imposta(kSaldoSaldato, "");

    std::string chiusura_testo = campo(c, pren::chiusura);
    if (chiusura_testo.empty()) chiusura_testo = std::string(plat::kNoDate);
    const plat::Date chiusura = plat::Date::parse_or_zero(chiusura_testo);
    std::string legame = campo(c, pren::movimento);
    const long codice_app = plat::leading_int(campo(c, pren::appartamento));
    s.appartamento_corrente = static_cast<int>(std::clamp<long>(codice_app, INT16_MIN, INT16_MAX));

    std::string suffisso;
    if (!chiusura.is_zero()) {
        // Paid or revoked: the movements from the one the booking points to
        // on give the balance, the cleaning, the deposit and any refund.
        if (plat::leading_number(legame) > 0) {
            visibile(app, kVisuRiquadroNota, true);
            visibile(app, kVisuNota, true);
        }
        const bool revocata = plat::left(legame, 5) == "REVOC";
        if (revocata) {
            suffisso = " - REVOCATO  " + chiusura.text();
            // The whole number after "REVOC": movement 1000 is not movement 100
            // (nor 000), which would apply the booking's earlier movements.
            legame = plat::mid(campo(c, pren::movimento), 6);
            visibile(app, kVisuRiquadroNota, true);
            visibile(app, kVisuNota, true);
            app.imposta(kVisuNota, suffisso);
        }
        const double dal_movimento = plat::leading_number(legame);
        const Righe movimenti = righe_di(s.percorso_saldi);
        // The deposit held: the deposit column of every movement of the
        // booking, the one made with the booking included (a deposit taken
        // then is money the agency holds), less the refunds made so far.
        bool di_questa = false;
        long long cauzione = 0;
        for (std::size_t n = 0; n < movimenti.size(); ++n) {
            // An empty line keeps its movement number, as the journal's loader counts.
            if (movimenti[n].empty()) continue;
            const auto m = plat::split(movimenti[n], kSeparatore);
            if (plat::leading_number(campo(m, movimento::numero)) != static_cast<double>(chiave))
                continue;
            di_questa = true;
            cauzione += plat::cents(importo(campo(m, movimento::cauzione)));
            if (static_cast<double>(n + 1) < dal_movimento) continue;
            // A later movement without a balance (a deposit refund) does not
            // wipe the balance paid: the residual would show the rent as due
            // again and offer a second balance on a paid booking.
            if (importo(campo(m, movimento::saldo)) != 0 || app.testo(kVisuSaldato).empty()) {
                metti_formattato(app, kVisuSaldato, campo(m, movimento::saldo));
                metti_formattato(app, kSaldoSaldato, campo(m, movimento::saldo));
            }
            if (revocata) {
                visibile(app, kVisuRiquadroNota, true);
                visibile(app, kVisuRestituito, true);
                // The journal keeps a refund as a negative movement; the
                // client was given back that much.
                app.imposta(kVisuRestituito,
                            " RESTITUITO  €  " + plat::format_amount(std::fabs(
                                                     importo(campo(m, movimento::acconto)))));
            }
            metti_formattato(app, kVisuPulizia, campo(m, movimento::pulizia));
            metti_formattato(app, kVisuCauzione, campo(m, movimento::cauzione));
        }
        if (di_questa) {
            const double versata =
                importo(app.testo(kCauzioneVersata)) + static_cast<double>(cauzione) / 100;
            app.imposta(kCauzioneVersata, plat::short_number(versata));
            formatta(app, kCauzioneVersata);
        }
    }

    if (!s.numero_nota.empty()) {
        const long nota = plat::leading_int(s.numero_nota);
        const Righe note = righe_di(s.percorso_note);
        // An empty line keeps its note number (the notes writer leaves one
        // for a note that holds nothing), so the count goes past it.
        if (nota >= 1 && nota <= static_cast<long>(note.size()) &&
            !note[static_cast<std::size_t>(nota - 1)].empty()) {
            const std::string testo =
                campo(plat::split(note[static_cast<std::size_t>(nota - 1)], kSeparatore), 0) +
                suffisso;
            app.imposta(kCauzioneTestoNota, testo);
            app.imposta(kCauzioneNumeroNota, s.numero_nota);
            app.imposta(kVisuNota, testo);
            visibile(app, kVisuNota, true);
            visibile(app, kVisuRiquadroNota, true);
        }
    }
}

}  // namespace ga
