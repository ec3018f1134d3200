// Registers this subsystem's forms under their names, and sets the hooks
// it answers for; the program calls it as it is put together
// (program/programma.cpp).
#pragma once

#include "records/app.h"

namespace ga {

void registra_forme_bookings(App& app);

}  // namespace ga
