// The owner's account statement for the management year, drawn from the
// money-movement journal, and the expenses file it labels expenses from.
#pragma once

#include <string>

#include "accounts/archivio_spese.h"
#include "records/app.h"

namespace ga {

// Draws the statement of the owner named in `EstrattoContoPropr.Combo1`,
// following the filters `EstrattoContoPropr.Check1` to `Check4`, into
// `EstrattoContoPropr.List1`, and leaves its sums, in the "##,##0.00"
// pattern, in the boxes that show them:
//   gross (advances, their refunds, rent balances):
//       `SINTESICONTOPROP.Text4`, `fattura.Text15`
//   expenses: `SINTESICONTOPROP.Text5`;  payouts: `SINTESICONTOPROP.Text6`
//   agency commission: `SINTESICONTOPROP.Text7`, and `fattura.Text2` for
//       an owner on commission; an owner under contract ("CONTR") pays
//       none: 0,00 in the summary, `fattura.Text2` left as it is
//   residue due to the owner (gross - payouts - expenses - commission, to
//       the cent): `SINTESICONTOPROP.Text8`, `SaldoProprietario.Text4`,
//       `spese.Text10`
// and the owner's code in `EstrattoContoPropr.Text4` and
// `SaldoProprietario.Text8`, name, street and town in
// `SaldoProprietario.Text1` to `Text3`. The journal must have been loaded
// (`carica_saldi`); the apartments, owners and bookings files are read from
// disk at each call. A movement whose apartment or owner is not found is
// nobody's and is not listed. Shows no message.
void estratto_conto_proprietario(App& app);

// The owner name picked in an owner box of the statement, payout or expense
// form. Picking again the line picked before CAMBIA emptied the box's text
// gives that line's text back to the box.
std::string proprietario_scelto(plat::Control& combo);

}  // namespace ga
