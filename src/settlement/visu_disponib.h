// The availability view ("DISPONIBILITA"): the free periods (state "LIB")
// of the management year, one line each, with the apartment, its owner and
// street, the dates and the price. The menu chooses the mode through
// `operazione` before showing it: by period ("periodi"), by apartment
// ("appartamenti"), by street ("VIE") or by month ("mese"); each mode has its
// own search frame and filters the periods its own way. Clicking a line opens
// the free-period picker ModPeriodi on that period, with this form disabled
// until the picker's exit enables it again. It writes no file.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

class visu_disponib : public Forma {
public:
    static constexpr plat::FormName kName = forme::visu_disponib;
    explicit visu_disponib(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    // Shows the frame and picture of the mode and sets the mode up.
    void IMPOSTAFORM();
    // The line builder: the free periods that pass the mode's filter.
    void vedi_periodi();

    void DTPicker1_Change();
    void Check1_Click();
    void Command1_Click();
    void Combo1_Click();
    void cambia_Click();
    void Check2_Click();
    void Combo2_Click();
    void Check4_Click();
    void Check3_Click();
    void Opzione_Click();  // Option1 to Option5
    void VEDI_Click();
    void CAMBIAVIA_Click();
    void Combo3_Click();
    void Command2_Click();
    void List1_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::Image IMGTEMPO{*this, "IMGTEMPO"}, IMGCASA{*this, "IMGCASA"}, strade{*this, "strade"},
        calend{*this, "calend"};

    plat::Frame periodi{*this, "periodi"};
    plat::CheckBox Check1{*this, "Check1"};
    plat::Label dal{*this, "dal"}, al{*this, "al"};
    plat::DatePicker DTPicker1{*this, "DTPicker1"}, DTPicker2{*this, "DTPicker2"};
    plat::OptionButton tutiper{*this, "tutiper"}, monoper{*this, "monoper"},
        biloper{*this, "biloper"}, triloper{*this, "triloper"}, quadriper{*this, "quadriper"};
    plat::CommandButton Command1{*this, "Command1"};

    plat::Frame codappart{*this, "codappart"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"};
    plat::CommandButton cambia{*this, "cambia"};
    plat::CheckBox Check2{*this, "Check2"};

    plat::Frame XVIA{*this, "XVIA"};
    plat::ComboBox Combo2{*this, "Combo2"};
    plat::TextBox Text4{*this, "Text4"};
    plat::CheckBox Check4{*this, "Check4"}, Check3{*this, "Check3"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"}, Option4{*this, "Option4"}, Option5{*this, "Option5"};
    plat::CommandButton VEDI{*this, "VEDI"}, CAMBIAVIA{*this, "CAMBIAVIA"};

    plat::Frame XMESE{*this, "XMESE"};
    plat::ComboBox Combo3{*this, "Combo3"};
    plat::TextBox Text5{*this, "Text5"};
    plat::OptionButton tuttimes{*this, "tuttimes"}, monomes{*this, "monomes"},
        bilomes{*this, "bilomes"}, trilomes{*this, "trilomes"}, quadrimes{*this, "quadrimes"};
    plat::CommandButton Command2{*this, "Command2"};

    plat::Label Label7{*this, "Label7"}, Label8{*this, "Label8"}, Label12{*this, "Label12"},
        Label2{*this, "Label2"}, Label9{*this, "Label9"}, Label10{*this, "Label10"},
        Label11{*this, "Label11"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton ESCI{*this, "ESCI"};

private:
    // The type options of one frame: the all-types option first, then
    // the ones for "MON", "BIL", "TRI" and "QUA".
    struct Tipologie {
        plat::OptionButton *tutte, *mon, *bil, *tri, *qua;
    };
    static bool passa_tipologia(const Tipologie& t, const std::string& tipo);
    plat::Date non_impostata();
    bool impostata(plat::Control& picker);
    // The name of street record `codice` (read as a number); "" when none.
    std::string nome_via(const std::string& codice);
    // What a period's line shows of its apartment: owner, street, and what
    // the filters test (type, garden). Empty when the apartment or owner is
    // not found.
    struct Appartamento {
        std::string proprietario, via, tipo, giardino;
    };
    Appartamento appartamento_del_periodo(int periodo);

    // The mode the form was set up for at its load, and whether it has been
    // shown since: a form loaded hidden under another mode is set up again
    // when it is first shown.
    std::string modo_;
    bool mostrata_ = false;
};

}  // namespace ga
