// Carries the rental periods of one year over to another: a new periods file
// for the target year with the same apartments, days, months and prices,
// every period free but those the owner keeps.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/app.h"

namespace ga {

// One line of a periods file of `anno_origine` carried into `anno` (four
// digits): code and price as they were, each date moved by the years
// between the two (27/12/2026 - 03/01/2027 becomes 27/12/2027 -
// 03/01/2028), the state "LIB", or "PROP" for a period the owner keeps. A
// 29 February becomes the 28th in a year without it. nullopt when the line
// is no period (fewer than five fields, a start or end that is not a date).
std::optional<std::string> periodo_nel_nuovo_anno(std::string_view riga, int anno_origine,
                                                  int anno);

class Trasferisciper : public Forma {
public:
    static constexpr plat::FormName kName = forme::Trasferisciper;
    explicit Trasferisciper(App& app);

    void Form_Load() override;
    void Command1_Click();
    void Command3_Click();
    void close_requested() override { Command3_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"};
    plat::CommandButton Command1{*this, "Command1"}, Command3{*this, "Command3"};

private:
    void rifiuta(const std::string& motivo);
};

}  // namespace ga
