// The owners form: browses, finds by name, adds, changes and deletes the
// owners of "proprietari.IND", and opens an owner's bank coordinates and the
// apartment card. Its box Text1 is the owners count the other forms read;
// Text8 is the record shown or saved; the owners loader, viewer and writer
// work on its boxes by name.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "records/app.h"

namespace ga {

class PROPRIETARI : public Forma {
public:
    static constexpr plat::FormName kName = forme::PROPRIETARI;
    explicit PROPRIETARI(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override { modo_prima_della_banca_.reset(); }
    void nuovo_Click();
    void MODIFICA_Click();
    void VediForn_Click();
    void SalvaForn_Click();
    void cancella_Click();
    void iconbanc_Click();
    void insappa_Click();
    void USCITA_Click();
    void HScroll1_Change();
    void Combo1_LostFocus();
    void List1_Click();
    void Option1_Click();
    void Option2_Click();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void Text5_LostFocus();
    void Text9_LostFocus();
    void Text10_LostFocus();
    void close_requested() override { USCITA_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"},
        Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text11{*this, "Text11"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::ListBox List1{*this, "List1"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"};
    plat::CheckBox Check2{*this, "Check2"};
    plat::HScrollBar HScroll1{*this, "HScroll1"};
    plat::CommandButton nuovo{*this, "nuovo"}, VediForn{*this, "VediForn"},
        MODIFICA{*this, "MODIFICA"}, cancella{*this, "cancella"}, SalvaForn{*this, "SalvaForn"},
        iconbanc{*this, "iconbanc"}, insappa{*this, "insappa"}, USCITA{*this, "USCITA"};

private:
    // The boxes that make an owner's record, in the order of its fields:
    // every action that locks, colours, clears or reads the record goes
    // through this one list, so a box added here is handled everywhere.
    plat::TextBox* const record_[9] = {&Text2, &Text3, &Text4, &Text10, &Text9,
                                       &Text6, &Text7, &Text5, &Text11};
    void imposta_caselle(bool bloccate, long sfondo, bool svuota);
    // The record's boxes and its relation emptied (the record number with
    // them), but for the boxes named in `tranne`.
    void svuota_record(std::initializer_list<const plat::TextBox*> tranne = {});
    int conta();
    bool in_inserimento() const { return s.modo_chiamata == "nuovopr"; }
    bool codice_accettabile(long record);
    void cerca_comune_da(plat::TextBox& box);

    // The mode to take back when the bank form, which needs "nuovopr" to
    // give this form back, returns.
    std::optional<std::string> modo_prima_della_banca_;
    // Set by each load: its first activation puts the focus on NUOVO.
    bool appena_caricato_ = false;
};

}  // namespace ga
