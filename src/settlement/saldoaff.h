// Saldo Prenotazione form: for now only the boxes other parts of the program
// read and write through it; its screen is built with its own functions.
#pragma once

#include "records/app.h"

namespace ga {

class saldoaff : public Forma {
public:
    static constexpr const char* kName = "saldoaff";
    explicit saldoaff(App& app);
};

}  // namespace ga
