// Every form's name, written once. A form's class takes its name from here
// (`kName`), and any form that opens, enables or hides another, in any layer,
// names it by these constants: a mistyped name does not compile, and the
// runtime throws for a name nothing is registered under.
#pragma once

#include <array>

#include "platform/form.h"

namespace ga::forme {

inline constexpr plat::FormName ModPeriodi{"ModPeriodi"};
inline constexpr plat::FormName appartament{"appartament"};
inline constexpr plat::FormName REVOCAPREN{"REVOCAPREN"};
inline constexpr plat::FormName saldoaff{"saldoaff"};
inline constexpr plat::FormName menustampa{"menustampa"};
inline constexpr plat::FormName visu_disponib{"visu_disponib"};
inline constexpr plat::FormName VisuPrenotCliente{"VisuPrenotCliente"};
inline constexpr plat::FormName visu_prenotazioni{"visu_prenotazioni"};
inline constexpr plat::FormName RESTCAUZ{"RESTCAUZ"};
inline constexpr plat::FormName CERCA_CART{"CERCA_CART"};
inline constexpr plat::FormName zeltra{"zeltra"};
inline constexpr plat::FormName utilita{"utilita"};
inline constexpr plat::FormName MENU{"MENU"};
inline constexpr plat::FormName Trasferisciper{"Trasferisciper"};
inline constexpr plat::FormName Rec_arch{"Rec_arch"};
inline constexpr plat::FormName Dest_arch{"Dest_arch"};
inline constexpr plat::FormName INFO{"INFO"};
inline constexpr plat::FormName PersonalizzaAgenzia{"PersonalizzaAgenzia"};
inline constexpr plat::FormName PROPRIETARI{"PROPRIETARI"};
inline constexpr plat::FormName insnomi{"insnomi"};
inline constexpr plat::FormName COORDBANCA{"COORDBANCA"};
inline constexpr plat::FormName TROVA_PRENOT{"TROVA_PRENOT"};
inline constexpr plat::FormName NotaPrenot{"NotaPrenot"};
inline constexpr plat::FormName prenotazione{"prenotazione"};
inline constexpr plat::FormName controlloentruscit{"controlloentruscit"};
inline constexpr plat::FormName SaldoProprietario{"SaldoProprietario"};
inline constexpr plat::FormName EstrattoContoPropr{"EstrattoContoPropr"};
inline constexpr plat::FormName spese{"spese"};
inline constexpr plat::FormName fattura{"fattura"};
inline constexpr plat::FormName VEDISALDI{"VEDISALDI"};
inline constexpr plat::FormName SINTESICONTOPROP{"SINTESICONTOPROP"};

// Every name above, for the test that each is the name of a registered form.
inline constexpr std::array tutte{
    ModPeriodi,
    appartament,
    REVOCAPREN,
    saldoaff,
    menustampa,
    visu_disponib,
    VisuPrenotCliente,
    visu_prenotazioni,
    RESTCAUZ,
    CERCA_CART,
    zeltra,
    utilita,
    MENU,
    Trasferisciper,
    Rec_arch,
    Dest_arch,
    INFO,
    PersonalizzaAgenzia,
    PROPRIETARI,
    insnomi,
    COORDBANCA,
    TROVA_PRENOT,
    NotaPrenot,
    prenotazione,
    controlloentruscit,
    SaldoProprietario,
    EstrattoContoPropr,
    spese,
    fattura,
    VEDISALDI,
    SINTESICONTOPROP,
};

}  // namespace ga::forme
