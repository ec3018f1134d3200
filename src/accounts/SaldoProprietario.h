// Saldo Proprietario form: for now only the boxes other parts of the program
// read and write through it; its screen is built with its own functions.
#pragma once

#include "records/app.h"

namespace ga {

class SaldoProprietario : public Forma {
public:
    static constexpr const char* kName = "SaldoProprietario";
    explicit SaldoProprietario(App& app);
};

}  // namespace ga
