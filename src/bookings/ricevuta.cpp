#include "bookings/ricevuta.h"

#include <algorithm>
#include <string_view>

#include "bookings/caselle.h"
#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/note.h"
#include "records/stampa.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "STAMPA PRENOTAZIONE";
constexpr int kRighe = 53;
// Where the template wants the logo, and how much of the picture's own size
// it takes.
constexpr int kRigaLogo = 2, kColonnaLogo = 1;
constexpr double kLarghezzaLogo = 0.35, kAltezzaLogo = 0.4;

// Codes are matched by the numbers they are ("0012" is 12); an empty code
// matches nothing, so a missing code never picks the first empty record.
bool stesso_numero(std::string_view a, std::string_view b) {
    if (plat::trimmed(a).empty() || plat::trimmed(b).empty()) return false;
    return plat::leading_number(a) == plat::leading_number(b);
}

// A count store, kept within its table.
int conteggio(App& app, const Casella& conta, int capacita) {
    return static_cast<int>(std::clamp<long>(app.conta(conta), 0, capacita));
}

// The client's street after " Via ", unless the street names its own kind
// ("VIA VERDI 8", "PIAZZA DANTE 1"): no "Via VIA VERDI 8".
std::string con_via(const std::string& strada) {
    static constexpr std::string_view kSpecie[] = {
        "VIA",      "V.",    "VIALE", "V.LE",     "PIAZZA",    "P.ZZA",  "P.ZA",
        "PIAZZALE", "CORSO", "C.SO",  "LARGO",    "VICOLO",    "STRADA", "CONTRADA",
        "LOCALITA", "LOC.",  "FRAZ.", "FRAZIONE", "LUNGOMARE", "BORGO",  "SALITA"};
    const std::string t = plat::upper(plat::trim(strada));
    for (std::string_view specie : kSpecie) {
        if (t.size() < specie.size() || t.compare(0, specie.size(), specie) != 0) continue;
        const char dopo = t.size() > specie.size() ? t[specie.size()] : ' ';
        if (specie.back() == '.' || dopo == ' ' || dopo == '\'' ||
            static_cast<unsigned char>(dopo) >= 0x80)
            return " " + plat::trim(strada);
    }
    return " Via " + strada;
}

std::string data_breve(plat::Date d) { return d.is_zero() ? std::string() : d.text(); }

// Amounts as the agency writes them ("1.500,00", "25"); a text that is not
// an amount counts 0.
double importo(std::string_view t) { return plat::italian_or_zero(t); }

bool non_dovuto(std::string_view t) { return plat::trim(t) == "ND"; }

// The booking number the receipt is asked for, or 0 when it names no booking
// of the file.
int prenotazione_richiesta(App& app) {
    const long k = plat::leading_int(app.s.prenotazione_scelta);
    const long n = app.conta(kContaPrenotazioni);
    if (k < 1 || k > n || !app.s.prenotazioni.valido(static_cast<int>(k))) return 0;
    return static_cast<int>(k);
}

// The date of the booking's first money movement, read from the journal
// file itself: the first line with the booking's number and apartment that
// moves an advance or a fee. (An expense line carries its own numbering in
// the same column, and may be of the same apartment: it moves neither.)
// "" when there is none.
std::string data_prenotazione(App& app, const RigaPrenotazione& p) {
    const std::string& percorso = app.s.percorso_saldi;
    if (percorso.empty() || !plat::file_exists(percorso)) return "";
    const auto righe = plat::read_lines(percorso);
    if (!righe) return "";
    for (const std::string& riga : *righe) {
        const auto c = plat::split(riga, "*");
        if (!stesso_numero(campo_di(c, movimento::numero), app.s.prenotazione_scelta)) continue;
        if (!stesso_numero(campo_di(c, movimento::appartamento), p.campo[pren::appartamento]))
            continue;
        if (plat::leading_number(campo_di(c, movimento::acconto)) == 0 &&
            plat::leading_number(campo_di(c, movimento::saldo)) == 0)
            continue;
        const auto d = plat::Date::parse(plat::trim(campo_di(c, movimento::data)));
        return d ? d->text() : std::string();
    }
    return "";
}

// An extra charged per unit (extra beds, linen persons): the count as
// printed, the amount formatted. A count not above 0 prints "0" and is
// stored back as "0".
struct Extra {
    std::string quanti, importo;
};
Extra extra(std::string& numero, const std::string& costo_unitario) {
    if (plat::leading_number(numero) > 0)
        return {numero, plat::format_amount(importo(numero) * importo(costo_unitario))};
    numero = "0";
    return {"0", plat::format_amount(0.0)};
}

}  // namespace

RigheRicevuta componi_ricevuta(App& app) {
    Stato& s = app.s;
    RigheRicevuta r;
    r.colonna1.assign(kRighe + 1, "");
    r.colonna2.assign(kRighe + 1, "");

    const int k = prenotazione_richiesta(app);
    RigaPrenotazione nessuna;
    RigaPrenotazione& p = k ? s.prenotazioni[k] : nessuna;

    const std::string data = data_prenotazione(app, p);

    // The client, the apartment with its owner and street.
    const RigaCliente nessun_cliente{};
    const RigaCliente* cliente = &nessun_cliente;
    const int clienti = conteggio(app, kContaClienti, s.clienti.capacita());
    for (int i = 1; i <= clienti; ++i)
        if (stesso_numero(s.clienti[i][cliente::codice], p.campo[pren::cliente])) {
            cliente = &s.clienti[i];
            break;
        }

    std::string codice_appartamento, civico, proprietario_codice, via_codice, tipo, letti;
    const int appartamenti = conteggio(app, kContaAppartamenti, s.appartamenti.capacita());
    for (int j = 1; j <= appartamenti; ++j) {
        const RigaAppartamento& a = s.appartamenti[j];
        if (!stesso_numero(a[appartamento::codice], p.campo[pren::appartamento])) continue;
        const long codice = plat::leading_int(a[appartamento::codice]);
        s.appartamento_corrente = static_cast<int>(codice);
        codice_appartamento = std::to_string(codice);
        civico = a[appartamento::civico];
        proprietario_codice = a[appartamento::codice_proprietario];
        via_codice = a[appartamento::codice_via];
        tipo = a[appartamento::tipo];
        letti = a[appartamento::posti_letto];
        break;
    }
    s.numero_nota = plat::short_number(plat::leading_number(p.campo[pren::nota]));

    std::string proprietario;
    const int proprietari = conteggio(app, kContaProprietari, s.proprietari.capacita());
    for (int i = 1; i <= proprietari; ++i)
        if (stesso_numero(s.proprietari[i][proprietario::codice], proprietario_codice)) {
            proprietario = s.proprietari[i][proprietario::nome];
            break;
        }

    std::string via;
    const int vie = conteggio(app, kContaVie, s.vie.capacita());
    for (int i = 1; i <= vie; ++i)
        if (stesso_numero(s.vie[i][vie::codice], via_codice)) {
            via = s.vie[i][vie::nome];
            break;
        }

    carica_note(app);
    const long nota = plat::leading_int(s.numero_nota);
    const std::string testo_nota = nota >= 1 && s.note.valido(static_cast<int>(nota))
                                       ? s.note[static_cast<int>(nota)][nota::testo]
                                       : std::string();

    // Check-in and check-out hours by the length of the stay: a month, a
    // fortnight (the August fortnight has hours of its own), else a week
    // (Saturday to Saturday): every stay has the hours of its kind of letting.
    const long giorni = plat::Date::days_between(p.arrivo, p.partenza);
    std::string ingresso = s.ora_ingresso_c, uscita = s.ora_uscita_c;
    // The clause on monthly and fortnightly lettings states theirs.
    std::string ingresso_mese = s.ora_ingresso_a, uscita_mese = s.ora_uscita_a;
    if (giorni > 17) {
        ingresso = s.ora_ingresso_a;
        uscita = s.ora_uscita_a;
    } else if (giorni > 9) {
        const bool agosto = !p.arrivo.is_zero() && p.arrivo.month() == 8;
        ingresso = ingresso_mese = agosto ? s.ora_ingresso_d : s.ora_ingresso_b;
        uscita = uscita_mese = agosto ? s.ora_uscita_d : s.ora_uscita_b;
    }

    struct Tipo {
        const char *sigla, *vani, *parola;
    };
    static constexpr Tipo kTipi[] = {{"MON", "1", "Monolocale"},
                                     {"BIL", "2", "Bilocale"},
                                     {"TRI", "3", "Trilocale"},
                                     {"QUA", "4", "Quadrilocale"}};
    std::string vani, parola_tipo;
    for (const Tipo& t : kTipi)
        if (tipo == t.sigla) {
            vani = t.vani;
            parola_tipo = t.parola;
        }

    std::string intestatario;
    if (s.intestazione_assegno == "1" || s.intestazione_assegno.empty())
        intestatario = "all'agenzia " + s.agenzia_nome;
    else if (s.intestazione_assegno == "2")
        intestatario = " al sig. " + proprietario;
    else if (s.intestazione_assegno == "3")
        intestatario = " a " + s.intestatario_assegno;

    const std::string iva =
        s.iva_affitto == "si" ? " ( + IVA " + s.percentuale_iva + " % all'arrivo)" : std::string();

    // --- the money: what is paid, what is left, and the extras due on arrival ---
    double extra_totale = 0;
    auto aggiungi = [&](const std::string& formattato) { extra_totale += importo(formattato); };

    if (k) p.campo[pren::affitto] = plat::format_amount(std::string_view(p.campo[pren::affitto]));
    const std::string prezzo = p.campo[pren::affitto];

    std::string cauzione;
    if (non_dovuto(p.campo[pren::cauzione])) {
        cauzione = "Cauzione per appartamento non dovuto";
    } else if (plat::leading_number(p.campo[pren::cauzione]) > 0) {
        cauzione = "Cauzione   € " +
                   plat::format_amount(std::string_view(p.campo[pren::cauzione])) +
                   "  per appartamento già versata";
    } else {
        const std::string dovuta = plat::format_amount(std::string_view(s.cauzione_ricevuta));
        cauzione = "Cauzione per L'appartamento  ............................€ " + dovuta;
        aggiungi(dovuta);
    }

    s.costo_letto = plat::format_amount(std::string_view(s.costo_letto));
    const Extra letti_aggiunti = extra(p.campo[pren::letti], s.costo_letto);
    aggiungi(letti_aggiunti.importo);

    if (k) p.campo[pren::acconto] = plat::format_amount(std::string_view(p.campo[pren::acconto]));
    const std::string acconto = p.campo[pren::acconto];

    std::string pulizia, riga_pulizia;
    if (non_dovuto(p.campo[pren::pulizia])) {
        riga_pulizia = "Pulizia finale non richiesta ";
        // Not paid with the booking: the weekly clause still states what
        // the cleaning costs.
        pulizia = plat::format_amount(std::string_view(s.pulizia_finale));
    } else if (plat::leading_number(p.campo[pren::pulizia]) > 0) {
        pulizia = plat::format_amount(std::string_view(p.campo[pren::pulizia]));
        riga_pulizia = "Pulizia finale già versata  ...................... € " + pulizia;
    } else {
        s.pulizia_finale = plat::format_amount(std::string_view(s.pulizia_finale));
        pulizia = s.pulizia_finale;
        riga_pulizia = "Pulizia finale obbligatoria da versare ...................... € " + pulizia;
        aggiungi(pulizia);
    }

    double da_pagare = importo(prezzo) - importo(acconto);

    s.costo_lenzuola = plat::format_amount(std::string_view(s.costo_lenzuola));
    const Extra lenzuola = extra(p.campo[pren::lenzuola], s.costo_lenzuola);
    aggiungi(lenzuola.importo);

    std::string diritti;
    if (!non_dovuto(p.campo[pren::diritti])) {
        const double versati = plat::leading_number(p.campo[pren::diritti]);
        if (versati == 0) {
            diritti = "Diritti Agenzia da versare  ................€   " + s.diritti_agenzia;
            da_pagare += importo(s.diritti_agenzia);
        } else if (versati > 0) {
            diritti = " Diritti Agenzia versata .....................€   " +
                      plat::format_amount(std::string_view(p.campo[pren::diritti]));
        }
    }

    const std::string energia =
        plat::trimmed(p.campo[pren::energia]).empty() ? "_______" : p.campo[pren::energia];
    const std::string forfait =
        plat::trimmed(p.campo[pren::consumi]).empty() ? "_______" : p.campo[pren::consumi];
    const std::string arrivo = data_breve(p.arrivo), partenza = data_breve(p.partenza);

    // --- the rows ---
    auto& a = r.colonna1;
    auto& b = r.colonna2;
    a[1] = "RICEVUTA PRENOTAZIONE LOCAZIONE STAGIONALE ";
    a[2] = s.agenzia_nome;
    b[2] = s.agenzia_citta + "  " + data + "  " + " Ric. n° " + "  " + s.prenotazione_scelta +
           " / " + codice_appartamento;
    a[3] = " di " + s.agenzia_titolare;
    b[3] = "Spett.le Signor " + (*cliente)[cliente::nome];
    a[4] = "Tel:  " + s.telefono_responsabile;
    a[5] = s.agenzia_via;
    b[5] = con_via((*cliente)[cliente::via]);
    a[6] = s.agenzia_citta;
    b[6] = "Località " + (*cliente)[cliente::citta] + "  " + (*cliente)[cliente::cap] + "  (" +
           (*cliente)[cliente::provincia] + ")";
    a[7] = "Part.Iva    " + s.partita_iva;
    b[7] = " Telefono " + (*cliente)[cliente::telefono];
    a[8] = "Tel   " + s.agenzia_telefono;
    b[8] = " Cod. fiscale " + (*cliente)[cliente::codice_fiscale];
    a[9] = "E-mail: " + s.agenzia_email;
    a[10] = " Nota : " + testo_nota;
    a[12] = " Vi confermiamo la prenotazione di un appartamento in " + s.agenzia_citta +
            " di proprietà del sig. " + proprietario + "  in via  " + plat::trim(via) + " " +
            civico + " con n° " + vani + " vani e n° " + letti + " letti. Appartamento tipo " +
            parola_tipo;
    a[16] = " Per il periodo dal " + arrivo + " dopo le ore " + ingresso + " al " + partenza +
            " entro le ore " + uscita + " alle condizioni di seguito riportate";
    a[19] = "Extra da pagare all’arrivo\u00A0:";
    b[19] = " Prezzo stabilito.............................€  " + prezzo + iva;
    a[21] = cauzione;
    b[21] = "Acconto versato ..............................€  " + acconto;
    a[22] = "Letto aggiunto € (" + s.costo_letto + ") per n. " + letti_aggiunti.quanti +
            " Letti .................... € " + letti_aggiunti.importo;
    b[22] = diritti;
    a[23] = riga_pulizia;
    b[23] = " Restano da pagare alla consegna";
    a[24] = "Consumi vedi punto 3.";
    b[24] = " (esclusi gli extra).............................€  " + plat::format_amount(da_pagare);
    a[25] = "Lenzuola € (" + s.costo_lenzuola + ") a pers./settim. n. " + lenzuola.quanti +
            " persone ...... € " + lenzuola.importo;
    b[26] =
        "  extra da pagare:.............................€  " + plat::format_amount(extra_totale);
    a[27] =
        "L’appartamento viene consegnato alle condizione riportate nell'Art. 1-2-3-4-5-6-7-8-9 "
        "ed espressamente accettate.";
    b[27] = "Firma del villeggiante";
    b[29] = std::string(59, '-');
    a[30] = "Le chiavi dovranno essere ritirate presso l’ufficio dell'Ag. " + s.agenzia_nome +
            "   " + s.agenzia_via + "   " + s.agenzia_citta + "   " + s.agenzia_telefono + "   " +
            s.telefono_responsabile;
    b[30] = "della Data            per accettazione";
    b[32] = data + "        " + s.agenzia_nome;
    a[33] = "1. \u00A0 Periodi\u00A0:";
    a[34] =
        "  a.  Locazione MENSILE: 01-31 (1/30 nel caso di Giugno o Settembre) del mese locazione";
    a[35] =
        "  b.  Locazione QUINDICINALE:  01-15 o 16-31 (16/30 nel caso di Giugno o "
        "Settembre)-(01-16 o "
        "16-31 in agosto) ";
    a[36] = "  c.  Locazione SETTIMANALE: da Sabato a Sabato";
    a[37] = "2.    Pagamenti:";
    a[38] =
        "  a.  La prenotazione si intende valida previo versamento di caparra pari al 30% "
        "dell’importo "
        "complessivo del soggiorno. Il saldo dovrà essere versato il giorno dell’arrivo alla "
        "consegna "
        "delle chiavi, contanti, con assegno circolare intestato " +
        intestatario +
        ", oppure Bancomat o Carta di Credito, per il saldo non si accettano assegni di conto "
        "corrente "
        "Bancario e/o Postale.";
    a[39] = "3.    Extra e pulizie";
    a[40] = "  a.  Per la locazione mensile o quindicinale\u00A0: Energia elettrica € " + energia +
            " al KW - Gas a bombola - Pulizie finali a carico del villeggiante.";
    a[41] = "  b.  Per la locazione settimanale\u00A0: consumi a forfait € " + forfait +
            " - Pulizie finali € " + pulizia + ", obbligatorie.";
    a[42] = "4. Deposito cauzionale,";
    a[43] = "  a.  Per la locazione mensile o quindicinale\u00A0: " + s.percentuale_cauzione +
            "% del totale pattuito";
    a[44] = "  b.  Per la locazione settimanale\u00A0: €uro " + s.deposito_minimo;
    a[45] = "5. Disponibilità dell’appartamento";
    a[46] =
        "  a.  Per la locazione mensile o quindicinale\u00A0: ingresso il primo giorno previsto "
        "dal "
        "contratto dopo le ore " +
        ingresso_mese + " e l’uscita entro le ore " + uscita_mese +
        " dell’ultimo giorno previsto dal contratto.";
    a[47] = "  b.  Per la locazione settimanale\u00A0: ingresso il Sabato dopo le ore " +
            s.ora_ingresso_c + ", la partenza il Sabato entro le ore " + s.ora_uscita_c;
    a[48] =
        "6. \u00A0 Posti letto: l’appartamento non può essere occupato da un numero di persone "
        "superiore "
        "ai posti letto indicati; i letti aggiunti vanno chiesti all’Agenzia e si pagano a parte.";
    a[49] =
        "7. \u00A0 Deposito cauzionale: il deposito si versa all’arrivo, alla consegna delle "
        "chiavi, e "
        "viene restituito alla partenza dopo il controllo dell’appartamento, dedotti gli eventuali "
        "danni o mancanze.";
    a[50] =
        "8. \u00A0 Rinunce: In caso di annullamento della prenotazione, è obbligatorio darne "
        "immediata "
        "comunicazione direttamente all’Ufficio dell’Agenzia " +
        s.agenzia_nome + "   " + s.agenzia_citta +
        " ai recapiti indicati nella presente, tramite fax o telegramma\u00A0; l’anticipo versato "
        "non "
        "verrà restituito.";
    a[51] =
        "9. \u00A0 Animali: gli animali domestici sono ammessi solo se dichiarati alla "
        "prenotazione e "
        "accettati dall’Agenzia; gli eventuali danni sono a carico del villeggiante.";
    a[52] =
        "10. Privacy: i dati personali del villeggiante sono trattati dall’Agenzia secondo il "
        "Regolamento "
        "UE 2016/679 e il D.Lgs. 196/2003, al solo fine di eseguire il presente contratto.";
    b[53] = " Firma._____________________________________";
    return r;
}

bool stampa_ricevuta_prenotazione(App& app) {
    Stato& s = app.s;
    const int k = prenotazione_richiesta(app);
    if (!k) {
        app.msgbox("LA PRENOTAZIONE N. " + s.prenotazione_scelta + " NON ESISTE.",
                   plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
        return false;
    }
    const RigheRicevuta righe = componi_ricevuta(app);

    plat::PrintJob lavoro;
    lavoro.template_path = s.cartella_stampe + "prenotazione.xls";
    lavoro.sheet = "Foglio1";
    lavoro.logo_path = s.cartella_programma + "ICONA.BMP";
    lavoro.logo_row = kRigaLogo;
    lavoro.logo_column = kColonnaLogo;
    lavoro.logo_width_scale = kLarghezzaLogo;
    lavoro.logo_height_scale = kAltezzaLogo;
    for (int r = 1; r <= kRighe; ++r) {
        if (!righe.colonna1[r].empty()) lavoro.cells.push_back({r, 1, righe.colonna1[r]});
        if (!righe.colonna2[r].empty()) lavoro.cells.push_back({r, 2, righe.colonna2[r]});
    }
    lavoro.copies = 1;
    // Booking numbers start again every year: the year keeps one year's
    // receipt from taking another's name.
    lavoro.pdf_path = s.cartella_dati + "ricevuta_" + s.anno_gestione + "_" +
                      plat::pad_code(std::to_string(k), 3) + ".pdf";

    if (!stampa_documento(app, lavoro,
                          {"LA RICEVUTA E' STATA SALVATA", "LA RICEVUTA NON E' STATA STAMPATA.",
                           kTitolo, "RICEVUTA", true}))
        return false;
    app.campo(kRicevutaStampata).set_value(1);
    return true;
}

bool stampa_prenotazione_scelta(App& app) {
    Stato& s = app.s;
    s.prenotazione_scelta = plat::trim(s.prenotazione_scelta);
    const int k = prenotazione_richiesta(app);
    if (!k) {
        app.msgbox(s.prenotazione_scelta.empty()
                       ? std::string("SCEGLIERE LA PRENOTAZIONE DA STAMPARE.")
                       : "LA PRENOTAZIONE N. " + s.prenotazione_scelta + " NON ESISTE.",
                   plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
        return false;
    }
    const double p =
        importo(s.prenotazioni[k].campo[pren::affitto]) * importo(s.percentuale_cauzione) / 100;
    s.cauzione_ricevuta =
        importo(s.deposito_minimo) > p ? s.deposito_minimo : plat::short_number(p);
    return stampa_ricevuta_prenotazione(app);
}

std::vector<RigaPrenotazioneCliente> prenotazioni_del_cliente(App& app, long cliente) {
    Stato& s = app.s;
    std::vector<RigaPrenotazioneCliente> righe;
    if (cliente < 1 || cliente > conteggio(app, kContaClienti, s.clienti.capacita())) return righe;
    const std::string codice = s.clienti[static_cast<int>(cliente)][cliente::codice];
    const int prenotazioni = conteggio(app, kContaPrenotazioni, s.prenotazioni.capacita());
    for (int i = 1; i <= prenotazioni; ++i)
        if (s.prenotazioni[i].campo[pren::cliente] == codice)
            righe.push_back(
                {numero_ricevuta(i) + " " + s.prenotazioni[i].campo[pren::appartamento], i});
    return righe;
}

std::string numero_ricevuta(long long numero) { return plat::pad_code(std::to_string(numero), 3); }

}  // namespace ga
