// The date a payment is filed under. The money journal and the notes are
// kept per management year, and a date typed a year or a month wrong files
// the money where no statement of that year will find it: such a date is
// asked about before anything is written.
#pragma once

#include <string>

#include "platform/date.h"
#include "records/app.h"

namespace ga {

// The days from today past which a payment date is asked about.
inline constexpr long kGiorniDaOggi = 30;

// True when `data` lies in the management year, is today or not after
// `partenza` (a zero date: not checked) and lies within `kGiorniDaOggi`
// days of today, or when
// the user, asked with every reason that holds, answers Yes. `che_cosa`
// names the date ("LA DATA DEL PAGAMENTO").
bool data_pagamento_confermata(App& app, plat::Date data, plat::Date partenza,
                               const std::string& che_cosa, const std::string& titolo);

}  // namespace ga
