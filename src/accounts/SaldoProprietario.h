// The owner payout form: records an advance or a balance paid to an owner
// (cash, cheque or bank transfer) as a "SALDOPROP" movement of the journal
// and, for a cheque, as a line of the agency's bank-account register
// ("ContoCorr" & account & year & ".dat"). The owner statement fills its
// owner boxes and the amount due. Check1 says an amount was entered. It
// also holds the register in memory.
#pragma once

#include "accounts/conto_corrente.h"
#include "records/app.h"

namespace ga {

class SaldoProprietario : public Forma {
public:
    static constexpr plat::FormName kName = forme::SaldoProprietario;
    explicit SaldoProprietario(App& app);

    void Form_Load() override;
    void Combo1_Click();
    void cambioprop_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void controlla_contobanca();
    void Text5_Click();
    void Text5_DblClick();
    void Text5_Validate();
    void SALVA_Click();
    void RITORNA_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    // The register lines: five fields each, field 3 as the text of a date.
    Tabella<RigaConto> registro{1000};

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"}, Label3{*this, "Label3"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text8{*this, "Text8"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::DatePicker DTPicker1{*this, "DTPicker1"};
    plat::TextBox Text5{*this, "Text5"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"};
    plat::TextBox Text6{*this, "Text6"}, Text7{*this, "Text7"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"};
    plat::CommandButton SALVA{*this, "SALVA"}, RITORNA{*this, "RITORNA"},
        cambioprop{*this, "cambioprop"}, ESCI{*this, "ESCI"};

private:
    friend void apri_saldo_proprietario(App&, plat::Form&, const std::string&, const char*);
    void svuota();
    // The owner the payout is for, as the statement is redrawn after it.
    std::string nome_proprietario_;
    int record_proprietario_ = 0;
};

// Shows the payout form for the owner the statement has drawn, in place of
// the statement or the summary (`da`), unless the summary's residue `residuo`
// is exactly "0,00": then the owner has been paid and the message, titled
// `titolo`, says so.
void apri_saldo_proprietario(App& app, plat::Form& da, const std::string& residuo,
                             const char* titolo);

}  // namespace ga
