// The expense form: charges an expense to one of an owner's apartments. The
// user picks the owner, the form finds the owner's apartments (taking the
// only one at once, or listing several), shows what is still due to the
// owner, and CONFERMA records the expense as a "SPESA" movement of the
// journal and as a line of the expenses file. Its hidden boxes keep the
// expenses count (Text1) and the movements count (Text2); it also holds the
// expenses table in memory.
#pragma once

#include <string>
#include <vector>

#include "accounts/archivio_spese.h"
#include "records/app.h"

namespace ga {

class spese : public Forma {
public:
    static constexpr plat::FormName kName = forme::spese;
    explicit spese(App& app);

    void Form_Activate() override;
    void Combo1_Click();
    void VEDIAPPARTAMENTO();
    void List1_Click();
    void SCEGLI_Click();
    void Text8_Click();
    void Text8_Validate();
    void Text9_Validate();
    void Command1_Click();
    void cambioprop_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    // Opens the form on the owner `nome`, of record `record` in the owners
    // table when the caller knows it (0: the first owner of that name).
    void scegli_proprietario(const std::string& nome, int record);

    // The expenses table: apartment code, description, movement number
    // (`carica_spese`).
    Tabella<RigaSpesa> tabella{100};

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"}, Label2{*this, "Label2"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"},
        Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"};
    plat::ListBox List1{*this, "List1"};
    plat::DatePicker DTPicker1{*this, "DTPicker1"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"};
    plat::CommandButton SCEGLI{*this, "SCEGLI"}, Command1{*this, "Command1"},
        cambioprop{*this, "cambioprop"}, ESCI{*this, "ESCI"};

private:
    struct Appartamento {
        std::string codice, via, civico;
    };
    // The apartments of the owner in Text3, as the last lookup found them.
    std::vector<Appartamento> appartamenti_;
    // The owner's record as picked (0: by name), and as the lookup found it.
    int record_scelto_ = 0;
    int record_trovato_ = 0;
    void mostra_appartamento(const Appartamento& a);
    void estratto();
};

}  // namespace ga
