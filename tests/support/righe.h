// Record lines built from the registers' named fields: a test names the
// fields it cares about, the others are empty, and the line has the width
// the register has now, so that a field added at the end of a record changes
// none of these tests.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "records/app.h"

namespace ga::test {

template <class Campo>
using Valori = std::initializer_list<std::pair<Campo, std::string>>;

// The line of a client, of an owner.
std::string riga_cliente(Valori<cliente::Campo> valori);
std::string riga_proprietario(Valori<proprietario::Campo> valori);

// The client the booking page's block shows written as the record its
// `Text24` names, as the page does when the client is confirmed.
bool registra_cliente_del_blocco(App& app);

}  // namespace ga::test
