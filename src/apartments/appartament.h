// The apartment card: the agency chooses an owner and one of the owner's
// apartments (or starts a new one), fills in the apartment's data and saves
// it by choosing its periodicity. Below the card lies the grid of the
// apartment's rental periods for the management year: 16 rows, each a tick
// (open/closed), a start and an end date, a price and a state. A confirmed
// price, a switch to "PROP" and a deletion are written at once through the
// periods register.
//
// The form is also a store: its hidden boxes hold the counts of apartments
// (Text23), periods (Text26) and streets (Text45), and the registers read the
// card's boxes by name.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/date.h"
#include "records/app.h"

namespace ga {

class appartament : public Forma {
public:
    static constexpr plat::FormName kName = forme::appartament;
    explicit appartament(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void close_requested() override { ESCI_Click(); }

    // --- owner and apartment choice ---
    void Combo1_Click();
    void Combo1_LostFocus();
    void Text24_LostFocus();
    void List1_Click();
    void SCEGLI_Click();
    void AGGIUNGI_Click();
    void cambia_Click();
    void ESCI_Click();

    // --- card boxes and saving ---
    void Text44_LostFocus();
    void Text2_LostFocus();
    void Combo3_Click();
    void Combo3_LostFocus();
    void Text7_Click();
    void Combo2_Click();
    void Text41_Change();

    // --- period grid (row r = 1 to 16) ---
    void Check_Click(int r);
    void prez_DblClick(int r);
    void prez_Validate(int r);
    void situ_DblClick(int r);
    void vedi_periodi();
    void apri_periodo();
    void chiudi_periodo();
    void pulisce_periodi();
    bool registra_periodi();
    void cambio_stato();
    void cancella_periodo();
    void blocca_calendari();
    void sblocca_calendari();
    void trova_riga_periodi();

    // --- period dates (row r = 1 to 16) ---
    void DTPicker_inizio_Change(int r);
    void DTPicker_inizio_CloseUp(int r);
    void DTPicker_fine_Change(int r);
    void DTPicker_fine_Validate(int r);
    void adegua_data();
    void adegua_dataf();
    void aggiorna_mese() { adegua_dataf(); }
    void controlla_periodi();

    // Row r's controls, reached by their composed names.
    plat::Control& spunta(int r);      // "Check" & r
    plat::Control* calendario(int n);  // "DTPICKER" & n; nullptr outside 1..32
    plat::Control& prezzo(int r);      // "prez" & (r + 9)
    plat::Control& situazione(int r);  // "situ" & (r + 27)

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};

    plat::Frame Frame1{*this, "Frame1"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text24{*this, "Text24"};
    plat::TextBox Text1{*this, "Text1"}, Text22{*this, "Text22"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton SCEGLI{*this, "SCEGLI"}, AGGIUNGI{*this, "AGGIUNGI"},
        cambia{*this, "cambia"};

    plat::Frame Frame2{*this, "Frame2"};
    plat::TextBox Text44{*this, "Text44"}, Text2{*this, "Text2"}, Text3{*this, "Text3"};
    plat::ComboBox Combo3{*this, "Combo3"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"}, Option4{*this, "Option4"};
    plat::TextBox Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"},
        Text7{*this, "Text7"}, Text8{*this, "Text8"};
    plat::ComboBox Combo2{*this, "Combo2"};
    plat::TextBox Text9{*this, "Text9"};

    plat::CommandButton ESCI{*this, "ESCI"};
    plat::Frame PERIODI_PREZZI{*this, "PERIODI_PREZZI"};

    // Stores and flags, hidden.
    plat::TextBox Text23{*this, "Text23"}, Text25{*this, "Text25"}, Text26{*this, "Text26"},
        Text27{*this, "Text27"}, Text40{*this, "Text40"}, Text41{*this, "Text41"},
        Text42{*this, "Text42"}, Text43{*this, "Text43"}, Text45{*this, "Text45"},
        Text46{*this, "Text46"};

private:
    // One apartment of the chosen owner.
    struct Voce {
        std::string via, civico, tipo, soggiorno, bagni, giardino, piano, letti, note, periodicita,
            record, codice;
    };

    void layout();
    void griglia();
    void prepara();
    void scegli_proprietario();
    void dopo_uscita_proprietario();
    bool proprietario_gia_scelto();
    void mostra_voce(int k, bool con_periodicita);
    void riempi_proprietari();
    plat::Control& casella(int n);  // "Text" & n for the card's boxes 1 to 9
    void cerca_via();
    void scelta_via();
    // True, after telling the user and emptying the code box, when another
    // apartment than the card's own record already has the card's code.
    bool codice_gia_usato();
    void ricorda_prezzo(int r);
    void ridisegna();
    void azzera_contatore();
    long periodo_della_riga(int r);
    long periodo_o_nuovo(int r);
    // Why the dates of row r may not be written ("" when they may): they
    // were refused by the overlap check, the start is not before the end or
    // lies outside the management year, or they share a night with a period
    // of the same apartment in the year before or after. Every write of a
    // row (a price, the owner's state, registra_periodi itself) asks it.
    std::string date_non_registrabili(int r);
    // Whether row r may be written now: its dates pass date_non_registrabili
    // and it differs from its period in the file (a new row always does).
    // Tells the user and empties the price box when the dates are at fault.
    bool riga_da_scrivere(int r);
    // The message for a period dal..al of the card's apartment that shares a
    // night with one of its periods in the year before or after; "" for none.
    std::string sovrapposto_ad_altro_anno(plat::Date dal, plat::Date al);
    bool spuntata(long r);
    plat::Date data(long n);
    plat::Date primo_gennaio();

    std::vector<Voce> selezione_;   // entry 0 is the empty apartment
    int piano_ = 0;                 // floor click counter
    bool via_digitata_ = false;     // the street list's text was typed, not chosen
    std::set<int> aperte_;          // rows opened by the user since the counter was reset
    std::set<int> date_rifiutate_;  // rows whose dates the overlap check refused
};

}  // namespace ga
