// Each subsystem registers its own forms.
#pragma once

#include "records/app.h"

namespace ga {

void registra_forme_shell(App& app);
void registra_forme_registry(App& app);
void registra_forme_apartments(App& app);
void registra_forme_bookings(App& app);
void registra_forme_settlement(App& app);
void registra_forme_accounts(App& app);

}  // namespace ga
