#include "accounts/fattura.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "accounts/caselle.h"
#include "accounts/estratto.h"
#include "accounts/stampa_fattura.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/archivio.h"
#include "records/fatture.h"
#include "records/importi.h"
#include "registry/ricerca_clienti.h"
#include "settlement/prenotazioni_cliente.h"

namespace ga {

namespace {

constexpr long kGialloChiaro = 0xC0FFFF;  // red 255, green 255, blue 192
constexpr const char* kEmissione = " EMISSIONE FATTURA";
constexpr const char* kStampa = " STAMPA FATTURA";

// --- amounts, worked out in cents ------------------------------------------

// An amount rounded to the cent, half away from zero, as whole cents.
long long centesimi(double v) {
    return std::llround(plat::italian_or_zero(plat::format_amount(v)) * 100);
}

std::string importo(long long cent) { return plat::format_amount(static_cast<double>(cent) / 100); }

// The n-th record (from 1) of the table, 1 to `fino`, whose trimmed name
// (`campo`) is `nome`; 0 when there is none.
template <class Row>
int record_col_nome(Tabella<Row>& t, long fino, std::size_t campo, const std::string& nome,
                    int occorrenza) {
    const long ultimo = std::clamp<long>(fino, 0, t.capacita());
    for (int i = 1; i <= ultimo; ++i)
        if (plat::trim(t[i][campo]) == nome && --occorrenza == 0) return i;
    return 0;
}

// The search's name rule: the trimmed name begins with the trimmed key.
bool inizia_con(const std::string& nome, const std::string& chiave) {
    const std::string k = plat::trim(chiave);
    return plat::left(plat::trim(nome), plat::length(k)) == k;
}

}  // namespace

fattura::fattura(App& app) : Forma(app, kName) {
    design("FATTURA", px(820), px(636));
    metti(ICONAAGENZIA, 12, 10, 100, 75).design().stretch = true;
    metti(Label8, 124, 14, 480, 28).design().font_size = 14;
    Label8.design().bold = true;
    metti(Label2, 124, 48, 300, 20);
    metti(Label16, 620, 14, 188, 28).design().font_size = 12;
    Label16.design().bold = true;
    Label16.design().alignment = 1;

    etichetta("FATTURA N°", 12, 101, 80);
    metti(Text4, 96, 96, 80, 24).design().alignment = 1;
    Text4.design().locked = true;
    metti(Combo1, 96, 96, 100, 24).design().visible = false;
    Combo1.design().tooltip = "SCEGLI IL NUMERO DELLA FATTURA";
    etichetta("DEL", 212, 101, 30);
    metti(Text5, 244, 96, 100, 24);
    metti(cerca, 364, 94, 130, 28).design().text = "CERCA FATTURE";

    etichetta("CLIENTE", 12, 145, 80);
    metti(Text8, 96, 140, 360, 24).design().tooltip = "NOME O INIZIO DEL NOME DA CERCARE";
    etichetta("VIA", 12, 175, 80);
    metti(Text9, 96, 170, 360, 24);
    etichetta("CAP - CITTA'", 12, 205, 80);
    metti(Text10, 96, 200, 360, 24);
    etichetta("C.F. / P. IVA", 12, 235, 80);
    metti(Text11, 96, 230, 200, 24);
    metti(cambia, 468, 138, 110, 28).design().text = "CAMBIA";
    cambia.design().tooltip = "CAMBIA INTESTATARIO";
    cambia.design().visible = false;
    metti(ritorno, 468, 170, 110, 28).design().text = "RITORNA";
    ritorno.design().tooltip = "TORNA ALLA LISTA DEI NOMI";
    ritorno.design().visible = false;
    metti(List1, 590, 140, 218, 120).design().visible = false;

    metti(Check1, 12, 270, 220, 20).design().text = "CODICE FISCALE";
    metti(Check2, 12, 292, 220, 20).design().text = "Partita IVA";
    metti(Check3, 12, 314, 220, 20).design().text = "Partita IVA (Con rit.Acconto)";
    metti(Check4, 12, 336, 560, 20).design().text = kRegimeEsente;
    metti(ritenuta, 244, 266, 420, 46).design().visible = false;
    metti(Label15, 10, 18, 400, 20, &ritenuta).design().text = kRegimeRitenuta;

    etichetta("DESCRIZIONE DELLE PRESTAZIONI", 12, 371, 300);
    metti(Text1, 12, 390, 796, 24);

    metti(SALDOPROP, 12, 430, 230, 62).design().text = "TOT-INCASSO";
    SALDOPROP.design().visible = false;
    metti(Text15, 12, 24, 200, 24, &SALDOPROP).design().alignment = 1;
    Text15.design().locked = true;

    etichetta("IMPONIBILE", 420, 435, 120);
    metti(Text2, 580, 430, 140, 24).design().alignment = 1;
    etichetta("I.V.A.", 420, 465, 50);
    metti(Label5, 472, 464, 50, 20).design().alignment = 1;
    etichetta("%", 526, 465, 20);
    metti(Text3, 580, 460, 140, 24).design().alignment = 1;
    etichetta("RITEN. D'ACC.", 420, 495, 120);
    metti(Text12, 580, 490, 140, 24).design().alignment = 1;
    etichetta("TOTALE IMP.", 420, 525, 120).design().bold = true;
    metti(Text13, 580, 520, 140, 24).design().alignment = 1;
    Text13.design().bold = true;
    for (plat::TextBox* t : {&Text3, &Text12, &Text13}) t->design().locked = true;

    metti(SALVA, 12, 580, 120, 36).design().text = "SALVA";
    metti(STAMPA, 144, 580, 120, 36).design().text = "STAMPA";
    metti(ESCI, 688, 580, 120, 36).design().text = "ESCI";

    for (plat::Control* c : std::initializer_list<plat::Control*>{&Text6, &Text7, &Text14, &Text16,
                                                                  &Check5, &Check6}) {
        metti(*c, 700, 96, 40, 24).design().visible = false;
    }

    cambia.on_click = [this] { cambia_Click(); };
    cerca.on_click = [this] { cerca_Click(); };
    Check1.on_click = [this] { Check1_Click(); };
    Check2.on_click = [this] { Check2_Click(); };
    Check3.on_click = [this] { Check3_Click(); };
    Check4.on_click = [this] { Check4_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
    List1.on_click = [this] { List1_Click(); };
    ritorno.on_click = [this] { ritorno_Click(); };
    SALVA.on_click = [this] { SALVA_Click(); };
    STAMPA.on_click = [this] { STAMPA_Click(); };
    Text2.on_change = [this] { Text2_Change(); };
    Text2.on_validate = [this] { Text2_Validate(); };
    Text5.on_validate = [this] { Text5_Validate(); };
    Text8.on_validate = [this] { Text8_Validate(); };
}

void fattura::Form_Load() {
    // The form object outlives its unloads: nothing of the last invoice stays.
    nome_mostrato_.clear();
    casella_iva = 0;
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label2.set_caption("ANNO DI GESTIONE : " + s.anno_gestione);
    Label5.set_caption(s.percentuale_iva);
    Label8.set_caption(" AGENZIA " + s.agenzia_nome);
    Text5.set_text(data_proposta().text());
    if (data_proposta() != app.today())
        app.msgbox("L'ANNO DI GESTIONE " + s.anno_gestione +
                       " E' TERMINATO: LA FATTURA E' DATATA " + data_proposta().text() +
                       ".\rPER UNA FATTURA CON LA DATA DI OGGI " +
                       cambiare_anno(app.today().year()) + ".",
                   plat::Buttons::Ok, kEmissione, plat::Icon::Information);
    carica_fatture(app);
    Text4.set_text(std::to_string(plat::leading_int(Text6.text()) + 1));
}

plat::CheckBox& fattura::casella(int n) {
    plat::CheckBox* caselle[] = {&Check1, &Check2, &Check3, &Check4};
    return *caselle[std::clamp(n, 1, 4) - 1];
}

// --- totals -------------------------------------------------------------------

void fattura::trova_totale() {
    // Read as every amount box reads one: while "12.50" stands in the box
    // no total is shown for an amount nobody meant.
    const auto letto = plat::typed_amount(Text2.text());
    // No taxable amount, no tax: nothing of an earlier amount may stay.
    if (!letto) {
        Text3.set_text("");
        Text12.set_text("");
        Text13.set_text("");
        return;
    }
    const long long imponibile = centesimi(*letto);
    if (Check4.value() == 1) {
        Text3.set_text("");
        Text12.set_text("");
        Text13.set_text(importo(imponibile));
        return;
    }
    // A VAT-registered party that is not exempt is charged VAT, with or
    // without withholding.
    const long long iva =
        centesimi(static_cast<double>(imponibile) / 100 * aliquota_iva(Label5.caption()) / 100);
    Text3.set_text(importo(iva));
    if (Check3.value() == 1) {
        // Withholding: 23% of half the taxable amount, held back by the
        // client, so it is deducted from what the client pays.
        const long long trattenuta =
            centesimi(static_cast<double>(imponibile) / 100 / 2 * 23 / 100);
        Text12.set_text(importo(trattenuta));
        Text13.set_text(importo(imponibile + iva - trattenuta));
    } else {
        Text12.set_text("");
        Text13.set_text(importo(imponibile + iva));
    }
}

void fattura::Text2_Validate() {
    // A refused amount stays as typed, with no total, so SALVA finds none.
    if (!plat::trim(Text2.text()).empty()) {
        if (const auto v = importo_digitato(app, Text2.text(), "IMPONIBILE"))
            Text2.set_text(plat::format_amount(*v));
    }
    trova_totale();
}

// --- tax regime ---------------------------------------------------------------

void fattura::notaerror() {
    app.msgbox("AL CLIENTE E' STATO INSERITO IL CODICE FISCALE", plat::Buttons::Ok,
               "CONTROLLO I.V.A.");
    if (casella_iva >= 1 && casella_iva <= 4) casella(casella_iva).set_value(0);
}

void fattura::notaerrore() {
    app.msgbox("AL CLIENTE E' STATO INSERITA LA PARTITA IVA", plat::Buttons::Ok, "CONTROLLO C.F.");
    Check1.set_value(0);
}

namespace {
int lunghezza_codice(plat::TextBox& t) { return plat::length(plat::trim(t.text())); }
}  // namespace

void fattura::Check1_Click() {
    if (Check1.value() == 1) {
        const int n = lunghezza_codice(Text11);
        if (n >= 1 && n <= 15) notaerrore();
        if (Check1.value() == 1) {
            Check2.set_value(0);
            Check3.set_value(0);
            Check4.set_value(0);
        }
    }
    Text12.set_text("");
}

void fattura::Check2_Click() {
    casella_iva = 2;
    if (Check2.value() == 1) {
        if (lunghezza_codice(Text11) == 16) notaerror();
        if (Check2.value() == 1) {
            Check1.set_value(0);
            Check3.set_value(0);
            Check4.set_value(0);
        }
    }
    Text12.set_text("");
}

void fattura::Check3_Click() {
    casella_iva = 3;
    if (Check3.value() == 1) {
        if (lunghezza_codice(Text11) == 16) notaerror();
        if (Check3.value() == 1) {
            Check2.set_value(0);
            Check1.set_value(0);
            Check4.set_value(0);
            ritenuta.set_visible(true);
            trova_totale();
        }
    } else {
        ritenuta.set_visible(false);
        trova_totale();
    }
}

void fattura::Check4_Click() {
    casella_iva = 4;
    if (Check4.value() == 1) {
        if (lunghezza_codice(Text11) == 16) notaerror();
        if (Check4.value() == 1) {
            Check2.set_value(0);
            Check1.set_value(0);
            Check3.set_value(0);
        }
    }
    Text12.set_text("");
    trova_totale();
}

// --- the party ------------------------------------------------------------------

void fattura::nuova_parte() {
    for (int n = 1; n <= 4; ++n) casella(n).set_value(0);
    Text2.set_text("");
    Text3.set_text("");
    Text15.set_text("");
    Text11.set_back_color(plat::kDefaultColor);
}

bool fattura::codice_presente() {
    if (!plat::trim(Text11.text()).empty()) return true;
    const plat::Answer r = app.msgbox("IL CODICE FISCALE E' ASSENTE\r   VUOI INSERIRLO ADESSO    ",
                                      plat::Buttons::YesNo, " FATTURAZIONE AI PROPRIETARI");
    if (r == plat::Answer::Yes) {
        Text11.set_back_color(kGialloChiaro);
        Text11.set_focus();
    }
    return false;
}

void fattura::spunta_per_codice() {
    const int n = lunghezza_codice(Text11);
    if (n == 16) Check1.set_value(1);
    if (n == 11) Check2.set_value(1);
}

void fattura::calcola_estratto(const std::string& nome, int record) {
    importi_da_estratto(nome, record);
}

// The owner's gross rents and, for an owner on commission, the agency's
// commission as taxable amount, from the owner's whole statement. Only this
// form's own searches put them here: a statement drawn elsewhere leaves a
// new invoice's figures alone.
void fattura::importi_da_estratto(const std::string& nome, int record) {
    const SommeEstratto somme = estratto_conto_proprietario(app, nome, record);
    Text15.set_text(plat::format_amount(somme.lordo));
    if (somme.provvigione_dovuta) Text2.set_text(plat::format_amount(somme.provvigione));
}

void fattura::Text8_Validate() {
    const std::string chiave = plat::upper(plat::trim(Text8.text()));
    if (chiave.empty() || Text8.text() == nome_mostrato_) return;
    nuova_fattura();
    s.testo_ricerca = chiave;
    List1.clear();
    s.modo_chiamata = "fatturaz";
    // A new search starts from no party: whatever it does not find must not
    // leave the code, the regime or the amounts of the party before.
    nuova_parte();
    Text14.set_text("");
    Text7.set_text("");
    for (plat::Control* c : std::initializer_list<plat::Control*>{&List1, &cambia, &ritorno})
        c->set_visible(false);
    if (s.operazione == "CLIENTI") {
        cerca_cliente(app);
    } else if (s.operazione == "PROPRIETARI") {
        SALDOPROP.set_visible(true);
        primo_trovato_ = {chiave, 0};
        cerca_proprietario_fattura(app);
        // The first owner found, or the name typed when none was.
        importi_da_estratto(primo_trovato_.first, primo_trovato_.second);
    }
    nome_mostrato_ = Text8.text();
}

void cerca_proprietario_fattura(App& app) {
    Stato& s = app.s;
    fattura& f = app.form<fattura>();
    // A missing register is created empty: no owner is found, the user is
    // told so and the invoice being written stays.
    const auto righe = leggi_righe(s.percorso_proprietari);
    if (!righe) {
        app.msgbox("L'ARCHIVIO DEI PROPRIETARI NON PUO' ESSERE LETTO:\r" + s.percorso_proprietari,
                   plat::Buttons::Ok, "CERCA PROPRIETARI", plat::Icon::Exclamation);
        return;
    }
    int trovati = 0;
    for (std::size_t r = 1; r <= righe->size(); ++r) {
        const auto c = plat::split((*righe)[r - 1], "*");
        const std::string nome = campo_di(c, proprietario::nome);
        if (!inizia_con(nome, s.testo_ricerca)) continue;
        f.List1.add_item(nome);
        if (++trovati > 1) {
            f.List1.set_visible(true);
            for (plat::TextBox* t : {&f.Text8, &f.Text9, &f.Text10, &f.Text11, &f.Text15})
                t->set_text("");
            continue;
        }
        f.Text14.set_text(std::to_string(r));
        f.Text7.set_text(std::to_string(r));
        f.Text8.set_text(plat::trim(nome));
        f.Text9.set_text(plat::trim(campo_di(c, proprietario::via)));
        f.Text10.set_text(campo_di(c, proprietario::cap) + " " +
                          plat::trim(campo_di(c, proprietario::citta)) + " (" +
                          campo_di(c, proprietario::provincia) + ")");
        f.Text11.set_text(campo_di(c, proprietario::codice_fiscale));
        f.primo_trovato_ = {plat::trim(nome), static_cast<int>(r)};
        if (!f.codice_presente()) return;
        f.spunta_per_codice();
        f.cambia.set_visible(true);
    }
    if (trovati == 0)
        app.msgbox("NON E' STATO TROVATO NESSUN CLIENTE !! \r CON IL NOMINATIVO INSERITO ",
                   plat::Buttons::Ok, "CERCA PROPRIETARI");
}

void fattura::List1_Click() {
    s.testo_ricerca = List1.text();
    if (s.operazione == "CLIENTI") vedi_clienti();
    if (s.operazione == "PROPRIETARI") vedi_proprietari();
}

namespace {
// Which of the entries reading like the picked one (namesakes) was picked:
// 1 for the first of them in the list.
int occorrenza_scelta(plat::ListBox& lista) {
    const std::string scelto = plat::trim(lista.text());
    int n = 1;
    for (int i = 0; i < lista.list_index(); ++i)
        if (plat::trim(lista.item(i)) == scelto) ++n;
    return n;
}
}  // namespace

void fattura::vedi_clienti() {
    s.testo_ricerca = plat::trim(s.testo_ricerca);
    if (s.testo_ricerca.empty()) return;
    // The list holds the matches in the order of the register: the picked
    // line is found by its whole name and, among namesakes, by its place (a
    // name that only begins the same way is another client).
    const int k = record_col_nome(s.clienti, app.conta(kContaClienti), cliente::nome,
                                  s.testo_ricerca, occorrenza_scelta(List1));
    if (k == 0) return;
    nuova_parte();
    const RigaCliente& c = s.clienti[k];
    Text14.set_text(plat::trim(c[cliente::codice]));
    Text8.set_text(plat::trim(c[cliente::nome]));
    Text9.set_text(plat::trim(c[cliente::via]));
    Text10.set_text(c[cliente::citta] + " " + plat::trim(c[cliente::cap]) + "  (" +
                    c[cliente::provincia] + ")");
    Text11.set_text(c[cliente::codice_fiscale]);
    nome_mostrato_ = Text8.text();
    List1.set_visible(false);
    ritorno.set_visible(true);
    if (!codice_presente()) return;
    spunta_per_codice();
    s.modo_chiamata = "fatturaz";
    elenca_prenotazioni_cliente(app);
    controllaincasso();
}

void fattura::vedi_proprietari() {
    s.testo_ricerca = plat::trim(s.testo_ricerca);
    if (s.testo_ricerca.empty()) return;
    const int k = record_col_nome(s.proprietari, app.conta(kContaProprietari), proprietario::nome,
                                  s.testo_ricerca, occorrenza_scelta(List1));
    if (k == 0) return;
    nuova_parte();
    const RigaProprietario& p = s.proprietari[k];
    // Only an owner on commission is invoiced.
    if (plat::trim(p[proprietario::rapporto]) != "PROVV") return;
    Text14.set_text(std::to_string(k));
    Text8.set_text(plat::trim(p[proprietario::nome]));
    Text9.set_text(plat::trim(p[proprietario::via]));
    Text10.set_text(p[proprietario::cap] + " " + p[proprietario::citta] + " " +
                    p[proprietario::provincia]);
    Text11.set_text(p[proprietario::codice_fiscale]);
    nome_mostrato_ = Text8.text();
    cambia.set_visible(true);
    List1.set_visible(false);
    ritorno.set_visible(true);
    if (!codice_presente()) return;
    spunta_per_codice();
    calcola_estratto(plat::upper(Text8.text()), k);
}

void fattura::controllaincasso() {
    // The rents of the client's bookings, each read to the cent.
    long long totale = 0;
    const std::vector<std::string>& righe = righe_prenotazioni_cliente(app);
    const long n =
        std::min<long>(plat::leading_int(Text16.text()), static_cast<long>(righe.size()) - 1);
    for (long k = 1; k <= n; ++k) {
        const std::string& riga = righe[static_cast<std::size_t>(k)];
        // Choosing the row picks its booking (the list's click does it).
        app.imposta(kVisuPrenotazioni, riga);
        // A row the list does not hold would leave another booking picked.
        if (app.testo(kVisuPrenotazioni) != riga) continue;
        totale += centesimi(plat::italian_or_zero(plat::trim(app.testo(kVisuAffitto))));
    }
    Text2.set_text(importo(totale));
}

void controllaincasso(App& app) { app.form<fattura>().controllaincasso(); }

// An invoice saved (or reopened) stands in the register as it is: another
// party is another invoice, under the next free number, with its own
// description and amounts, not yet saved nor printed.
void fattura::nuova_fattura() {
    if (Check5.value() == 0) return;
    Check5.set_value(0);
    Check6.set_value(0);
    Combo1.set_visible(false);
    Text4.set_visible(true);
    Text4.set_text(std::to_string(plat::leading_int(Text6.text()) + 1));
    Text5.set_text(data_proposta().text());
    for (plat::TextBox* t : {&Text1, &Text2, &Text3, &Text12, &Text13}) t->set_text("");
}

void fattura::cambia_Click() {
    nuova_fattura();
    Text14.set_text(Text7.text());
    for (plat::TextBox* t : {&Text8, &Text9, &Text10, &Text11}) t->set_text("");
    nuova_parte();
    cambia.set_visible(false);
}

void fattura::ritorno_Click() {
    nuova_fattura();
    Text14.set_text(Text7.text());
    for (plat::TextBox* t : {&Text8, &Text9, &Text10, &Text11}) t->set_text("");
    nuova_parte();
    ritorno.set_visible(false);
    List1.set_visible(true);
}

// --- the invoice date --------------------------------------------------------------

plat::Date fattura::data_proposta() {
    const plat::Date oggi = app.today();
    const int anno = anno_di_gestione(s);
    if (anno != 0 && anno < oggi.year()) return plat::Date::from_dmy_lenient(31, 12, anno);
    return oggi;
}

bool fattura::data_nell_anno(plat::Date data) {
    const int anno = anno_di_gestione(s);
    if (anno == 0 || data.year() == anno) return true;
    app.msgbox("LA DATA DELLA FATTURA E' DEL " + std::to_string(data.year()) +
                   ": LE FATTURE SONO NUMERATE PER ANNO.\rPER EMETTERLA " +
                   cambiare_anno(data.year()) + ".",
               plat::Buttons::Ok, kEmissione, plat::Icon::Exclamation);
    return false;
}

// A year typed with two digits is of the management year's century.
std::optional<plat::Date> fattura::data_digitata() {
    return plat::Date::parse(plat::trim(Text5.text()), anno_di_gestione(s));
}

void fattura::avvisa_data_non_valida() {
    app.msgbox("ATTENZIONE !!!! LA DATA DIGITATA NON E' UNA DATA VALIDA ", plat::Buttons::Ok,
               kEmissione, plat::Icon::Exclamation);
    Text5.set_focus();
}

void fattura::Text5_Validate() {
    const std::string proposta = data_proposta().text();
    const std::string testo = plat::trim(Text5.text());
    if (testo.empty()) {
        Text5.set_text(proposta);
        return;
    }
    const auto data = data_digitata();
    if (!data) {
        // The register keeps a date for every invoice, and only one somebody
        // chose: the text stays as typed, for the user to mend.
        avvisa_data_non_valida();
        return;
    }
    // A reopened invoice shows its own date; a new one is numbered in the
    // register of its date's year.
    if (Check5.value() == 0 && !data_nell_anno(*data)) {
        Text5.set_text(proposta);
        return;
    }
    if (*data >= app.today() || data->text() == proposta) return;
    const plat::Answer r =
        app.msgbox({.text = "ATTENZIONE !!!! La data digitata è inferiore alla data odierna \r"
                            "                      Continuare Comunque ? ",
                    .buttons = plat::Buttons::YesNo,
                    .no_by_default = true});
    if (r == plat::Answer::No) Text5.set_text(proposta);
}

// --- reopening a stored invoice ---------------------------------------------------

void fattura::cerca_Click() {
    Text4.set_visible(false);
    Text5.set_text("");
    Text4.set_text("");
    Combo1.clear();
    Combo1.set_visible(true);
    const long n = std::clamp<long>(plat::leading_int(Text6.text()), 0, s.fatture.capacita());
    for (int i = 1; i <= n; ++i)
        if (!s.fatture[i].campo[fatt::numero].empty())
            Combo1.add_item(s.fatture[i].campo[fatt::numero]);
}

void fattura::Combo1_Click() {
    if (plat::trim(Combo1.text()).empty()) return;
    const long k = plat::leading_int(Combo1.text());
    if (k < 1 || k > s.fatture.capacita()) return;
    const RigaFattura f = s.fatture[static_cast<int>(k)];
    Combo1.set_visible(false);
    Text4.set_visible(true);
    Text4.set_text(f.campo[fatt::numero]);
    Text5.set_text(f.data.text());

    nuova_parte();
    for (plat::TextBox* t : {&Text14, &Text8, &Text9, &Text10, &Text11}) t->set_text("");
    // The party as the printed invoice names it.
    const IntestatarioFattura chi = intestatario_fattura(app, f);
    Text14.set_text(chi.codice);
    Text8.set_text(chi.nome);
    Text9.set_text(chi.via);
    Text10.set_text(chi.indirizzo);
    Text11.set_text(chi.codice_fiscale);

    nome_mostrato_ = Text8.text();
    const long regime = plat::leading_int(f.campo[fatt::regime]);
    if (regime >= 1 && regime <= 4) casella(static_cast<int>(regime)).set_value(1);
    Check5.set_value(1);
    // The stored amounts are set after the taxable amount, whose change
    // recomputes the others: what stands is what was invoiced.
    Text2.set_text(f.campo[fatt::imponibile]);
    Text3.set_text(f.campo[fatt::iva]);
    Text12.set_text(f.campo[fatt::ritenuta]);
    Text13.set_text(f.campo[fatt::totale]);
    Text1.set_text(f.campo[fatt::descrizione]);
}

// --- saving, printing, leaving ----------------------------------------------------

void fattura::SALVA_Click() {
    // A name with no party behind it (typed, not found) would store an
    // invoice to nobody: the register keeps only the party's reference.
    if (plat::trim(Text8.text()).empty() || plat::trim(Text14.text()).empty()) {
        app.msgbox("ATTENZIONE!!! NESSUN NOMINATIVO INSERITO ", plat::Buttons::Ok,
                   " SALVA LA  FATTURA");
        return;
    }
    if (plat::trim(Text1.text()).empty()) {
        app.msgbox("ATTENZIONE!!! MANCA LA DESCRIZIONE DELLE PRESTAZIONE ", plat::Buttons::Ok,
                   kEmissione);
        return;
    }
    if (plat::trim(Text13.text()).empty()) {
        app.msgbox("ATTENZIONE!!! MANCA L'IMPORTO FATTURATO ", plat::Buttons::Ok, kEmissione);
        return;
    }
    // A saved or reopened invoice stands in the register once.
    if (Check5.value() == 1) {
        app.msgbox("LA FATTURA E' GIA' STATA SALVATA.", plat::Buttons::Ok, " SALVA LA  FATTURA");
        return;
    }
    // A line break in the description would split the invoice's line.
    if (!valori_registrabili(app, {Text1.text()})) return;
    // The date may reach here without the box having been left.
    const auto data = data_digitata();
    if (!data) {
        avvisa_data_non_valida();
        return;
    }
    if (!data_nell_anno(*data)) return;
    // Written out whole, so the register reads the year meant.
    Text5.set_text(data->text());
    registra_fattura(app);
}

bool fattura::come_registrata(const RigaFattura& f) {
    auto uguale = [](const std::string& a, const std::string& b) {
        return plat::trim(a) == plat::trim(b);
    };
    const auto data = data_digitata();
    if (!data || *data != f.data) return false;
    // The party by its reference, as the register names it; a reopened
    // invoice whose party has left its register shows none.
    const std::string& riferimento =
        f.campo[fatt::proprietario].empty() ? f.campo[fatt::cliente] : f.campo[fatt::proprietario];
    const std::string parte = plat::trim(Text14.text());
    const bool nessuna = parte.empty() && plat::trim(Text8.text()).empty();
    if (!nessuna && (parte.empty() || plat::trimmed(riferimento).empty() ||
                     plat::leading_int(parte) != plat::leading_int(riferimento)))
        return false;
    // The regime a save would store: the last ticked box, or the one held.
    std::string regime = plat::trim(f.campo[fatt::regime]);
    for (int j = 1; j <= 4; ++j)
        if (casella(j).value() == 1) regime = std::to_string(j);
    return regime == plat::trim(f.campo[fatt::regime]) &&
           uguale(Text11.text(), intestatario_fattura(app, f).codice_fiscale) &&
           uguale(Text1.text(), f.campo[fatt::descrizione]) &&
           uguale(Text2.text(), f.campo[fatt::imponibile]) &&
           uguale(Text3.text(), f.campo[fatt::iva]) &&
           uguale(Text12.text(), f.campo[fatt::ritenuta]) &&
           uguale(Text13.text(), f.campo[fatt::totale]);
}

void fattura::STAMPA_Click() {
    // What leaves on paper is the invoice the register holds, under its
    // number: an invoice not yet saved, or boxes changed since, print nothing.
    const long k = plat::leading_int(Text4.text());
    const bool registrata =
        Check5.value() == 1 && k >= 1 && k <= plat::leading_int(Text6.text()) &&
        k <= s.fatture.capacita() &&
        plat::trim(s.fatture[static_cast<int>(k)].campo[fatt::numero]) == plat::trim(Text4.text());
    if (!registrata) {
        app.msgbox("LA FATTURA NON E' ANCORA REGISTRATA:\rSALVARLA PRIMA DI STAMPARLA.",
                   plat::Buttons::Ok, kStampa, plat::Icon::Exclamation);
        return;
    }
    if (!come_registrata(s.fatture[static_cast<int>(k)])) {
        app.msgbox("I DATI A VIDEO SONO DIVERSI DA QUELLI DELLA FATTURA N. " +
                       plat::trim(Text4.text()) +
                       " REGISTRATA: LA FATTURA NON VIENE STAMPATA.\r"
                       "PER EMETTERE UNA FATTURA DIVERSA USCIRE E SALVARLA COME NUOVA FATTURA.",
                   plat::Buttons::Ok, kStampa, plat::Icon::Exclamation);
        return;
    }
    if (stampa_fattura(app, static_cast<int>(k))) Check6.set_value(1);
}

void fattura::ESCI_Click() {
    if (!plat::trim(Text8.text()).empty()) {
        if (Check5.value() == 0) {
            const plat::Answer r =
                app.msgbox("ATTENZIONE LA FATTURA NON E' STATA SALVATA \r   VUOI SALVARLA ORA ?  ",
                           plat::Buttons::YesNoCancel, kEmissione);
            if (r == plat::Answer::Cancel) return;
            if (r == plat::Answer::Yes) {
                SALVA_Click();
                // A save that was refused keeps the form, and the invoice, open.
                if (Check5.value() == 0) return;
            }
        }
        if (Check6.value() == 0) {
            const plat::Answer r = app.msgbox(
                "ATTENZIONE LA FATTURA NON E' STATA STAMPATA \r   VUOI STAMPARLA ORA ?  ",
                plat::Buttons::YesNoCancel, kEmissione);
            if (r == plat::Answer::Cancel) return;
            if (r == plat::Answer::Yes) {
                STAMPA_Click();
                if (Check6.value() == 0) return;
            }
        }
    }
    // Opened from the main menu (hidden) or from the utilities (the menu
    // disabled behind them): the menu comes back either way.
    plat::Form* menu = &app.form(forme::MENU);
    menu->set_enabled(true);
    menu->show();
    unload();
}

}  // namespace ga
