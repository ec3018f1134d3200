#include "settlement/date_pagamento.h"

#include <cstdlib>
#include <vector>

#include "platform/text.h"
#include "records/anni_vicini.h"

namespace ga {

bool data_pagamento_confermata(App& app, plat::Date data, plat::Date partenza,
                               const std::string& che_cosa, const std::string& titolo) {
    std::vector<std::string> motivi;
    const int anno = anno_di_gestione(app.s);
    if (anno != 0 && data.year() != anno)
        motivi.push_back("NON E' NELL'ANNO DI GESTIONE " + std::to_string(anno));
    const plat::Date oggi = app.today();
    // Money taken today after the guest has left is a late payment, not a
    // slip of the keyboard.
    if (!partenza.is_zero() && data > partenza && data != oggi)
        motivi.push_back("E' SUCCESSIVA ALLA PARTENZA DEL " + partenza.text());
    if (std::labs(plat::Date::days_between(oggi, data)) > kGiorniDaOggi)
        motivi.push_back("E' LONTANA PIU' DI " + std::to_string(kGiorniDaOggi) +
                         " GIORNI DALLA DATA ODIERNA (" + oggi.text() + ")");
    if (motivi.empty()) return true;
    return app.msgbox({.text = che_cosa + " " + data.text() + ":\r- " + plat::join(motivi, "\r- ") +
                               "\rREGISTRARE COMUNQUE CON QUESTA DATA?",
                       .buttons = plat::Buttons::YesNo,
                       .icon = plat::Icon::Question,
                       .title = titolo,
                       .no_by_default = true}) == plat::Answer::Yes;
}

}  // namespace ga
