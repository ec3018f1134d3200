#include "program/programma.h"

#include "program/forme.h"

namespace ga {

std::unique_ptr<App> crea_applicazione(plat::Services services) {
    auto app = std::make_unique<App>(std::move(services));
    registra_forme_shell(*app);
    registra_forme_registry(*app);
    registra_forme_apartments(*app);
    registra_forme_bookings(*app);
    registra_forme_settlement(*app);
    registra_forme_accounts(*app);
    return app;
}

void avvia(App& app) {
    app.run([&] { app.form("zeltra")->show(); });
}

}  // namespace ga
