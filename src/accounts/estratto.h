// The owner's account statement for the management year, drawn from the
// money-movement journal, and the expenses file it labels expenses from.
#pragma once

#include <string>

#include "accounts/archivio_spese.h"
#include "records/app.h"

namespace ga {

// The sums of an owner's whole statement, whatever its filters list.
struct SommeEstratto {
    double lordo = 0;                // advances, their refunds, rent balances
    double spese = 0;                // expenses charged to the owner's apartments
    double versamenti = 0;           // payouts to the owner
    double provvigione = 0;          // the agency's commission on the gross
    double totale = 0;               // residue due to the owner, to the cent
    bool provvigione_dovuta = true;  // false for an owner under contract
};

// Draws the statement of the owner `nome` (the owner of `record` in the
// owners table, when that record bears the name; every owner of that name
// when it is 0) into `EstrattoContoPropr.List1`, and names that owner on the
// statement first (`scegli_proprietario`, the name shown in
// `EstrattoContoPropr.Text1`, the code in `Text4`, the summary's name): the
// name, the code, the lines and the sums shown belong to one owner, whoever
// draws. The filters
// `EstrattoContoPropr.Check1` to `Check4` choose the lines listed, and the commission and total
// lines that close the list sum those lines. The figures carried to other forms come from the whole
// statement, whatever the filters, in the "##,##0.00" pattern:
//   gross `SINTESICONTOPROP.Text4`; expenses `Text5`; payouts `Text6`;
//   commission `Text7` (0,00 for an owner under contract, "CONTR");
//   residue due to the owner (gross - payouts - expenses - commission, to
//       the cent): `SINTESICONTOPROP.Text8`, `SaldoProprietario.Text4`,
//       `spese.Text10`
// and the owner's code in `EstrattoContoPropr.Text4` and
// `SaldoProprietario.Text8`, name, street and town in
// `SaldoProprietario.Text1` to `Text3`. The invoice takes what it needs from
// the sums returned. The journal must have been loaded (`carica_saldi`); the
// apartments, owners and bookings files are read from disk at each call. A
// movement whose apartment or owner is not found is nobody's and is not
// listed. Shows no message.
SommeEstratto estratto_conto_proprietario(App& app, const std::string& nome, int record);

// The owner name picked in an owner box of the statement, payout or expense
// form. Picking again the line picked before CAMBIA emptied the box's text
// gives that line's text back to the box.
std::string proprietario_scelto(plat::Control& combo);
// The owner's record kept beside the line named by an owner box's text; 0
// when the text names no line.
int record_scelto(plat::Control& combo);

// Names the owner whose statement `estratto_conto_proprietario` draws: the
// name into `EstrattoContoPropr.Combo1` and, when the caller knows it, the
// owner's record in the owners table, which tells namesakes apart. Without
// a record (0) the statement takes every owner of that name.
void scegli_proprietario(App& app, const std::string& nome, int record);

}  // namespace ga
