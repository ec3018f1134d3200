// The one reading of an amount a person types in a box, and the message
// that refuses one: every form reads its amount boxes here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/app.h"

namespace ga {

// The message refusing `testo` typed in the box the user knows as
// `casella` ("IMPORTO VERSATO"): the box, the text, and how to write it.
std::string motivo_importo(std::string_view casella, std::string_view testo);

// The amount typed in `testo` (`plat::typed_amount`: "." only between
// thousands, "," before at most two decimals; a leading "-" only when
// `negativo_ammesso`), or nullopt after telling the user with
// `motivo_importo`. An empty text is no amount, and is told too.
std::optional<double> importo_digitato(App& app, std::string_view testo, std::string_view casella,
                                       bool negativo_ammesso = false);

}  // namespace ga
