// The procedures a lower subsystem runs in a higher one are all set by the
// program; one that nobody set fails loudly where it is run (the user is
// told of a fault), never does nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/banco.h"

namespace ga {
namespace {

TEST(Procedure, TheProgramSetsEveryProcedureALowerSubsystemRuns) {
    test::Banco b;
    for (const Aggancio* p : b.app().procedure.tutti()) EXPECT_TRUE(p->impostato()) << p->nome();
}

TEST(Procedure, AProcedureNobodySetIsAFaultTheUserIsToldOf) {
    test::Banco b;
    App& app = b.app();
    b.prepara_dati();
    app.procedure.controlla_prenotazioni_scadute = nullptr;
    app.s.primo_accesso_menu = "0";
    app.run([&] { app.form("MENU")->show(); });
    EXPECT_THAT(b.nuovi_messaggi(),
                ::testing::ElementsAre(::testing::HasSubstr("controlla_prenotazioni_scadute")));
}

}  // namespace
}  // namespace ga
