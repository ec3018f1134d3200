// The bank coordinates of an owner, kept as records of "BANCHE.IND" after
// the agency's own (record 1). Never unloaded, only hidden; each opening
// shows the owner's stored record, or empty boxes and the next record for
// an owner without one. Its hidden box Text19 holds the bank records count
// for the other forms.
#pragma once

#include "records/app.h"

namespace ga {

class COORDBANCA : public Forma {
public:
    static constexpr plat::FormName kName = forme::COORDBANCA;
    explicit COORDBANCA(App& app);

    void Form_Load() override { da_aprire_ = true; }
    void Form_Activate() override;
    void VediForn_Click();
    void HScroll1_Change();
    void SalvaForn_Click();
    void USCITA_Click();
    void vedi_coord();
    void close_requested() override { USCITA_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text13{*this, "Text13"}, Text14{*this, "Text14"},
        Text15{*this, "Text15"}, Text16{*this, "Text16"}, Text17{*this, "Text17"};
    plat::TextBox Text19{*this, "Text19"}, Text5{*this, "Text5"};
    plat::HScrollBar HScroll1{*this, "HScroll1"};
    plat::CommandButton VediForn{*this, "VediForn"}, SalvaForn{*this, "SalvaForn"},
        USCITA{*this, "USCITA"}, CancForn{*this, "CancForn"};

private:
    // The boxes for the owner the owners form has put in Text2.
    void apri_per_proprietario();
    bool iban_accettato();

    int indice_ = 0;  // the record vedi_coord shows
    // The form is being opened (not only given back the focus): the owner's
    // record is looked up.
    bool da_aprire_ = true;
};

}  // namespace ga
