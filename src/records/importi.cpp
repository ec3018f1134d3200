#include "records/importi.h"

#include "platform/number.h"

namespace ga {

std::string motivo_importo(std::string_view casella, std::string_view testo) {
    const std::string forma = plat::amount_shape(testo);
    return std::string(casella) + ": \"" + std::string(testo) +
           "\" NON E' UN IMPORTO VALIDO.\rSCRIVERE L'IMPORTO COME " +
           (forma.empty() ? "1.500,00 (LA VIRGOLA PRIMA DEI DECIMALI, AL PIU' DUE, E IL "
                            "PUNTO TRA LE MIGLIAIA)"
                          : forma);
}

std::optional<double> importo_digitato(App& app, std::string_view testo, std::string_view casella,
                                       bool negativo_ammesso) {
    if (auto v = plat::typed_amount(testo, negativo_ammesso)) return v;
    app.msgbox(motivo_importo(casella, testo), plat::Buttons::Ok, "IMPORTO NON VALIDO",
               plat::Icon::Exclamation);
    return std::nullopt;
}

}  // namespace ga
