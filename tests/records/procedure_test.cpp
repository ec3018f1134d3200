// The procedures a lower subsystem runs in a higher one are all set by the
// program; one that nobody set fails loudly where it is run (the user is
// told of a fault), never does nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
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

// Every form the program names is one it registers, and each registered form
// has its name's constant; a name with no form behind it is a fault the user
// is told of at once, not a button that does nothing.
TEST(Procedure, EveryFormNameIsARegisteredFormAndAnUnknownOneIsToldOf) {
    test::Banco b;
    App& app = b.app();
    std::vector<std::string> costanti;
    for (const plat::FormName n : forme::tutte) {
        EXPECT_EQ(app.form(n).name(), n.name);
        costanti.push_back(plat::upper(n.name));
    }
    EXPECT_THAT(app.form_names(), ::testing::UnorderedElementsAreArray(costanti));

    b.prepara_dati();
    app.run([&] { app.form(plat::FormName{"MENUU"}).show(); });
    EXPECT_THAT(b.nuovi_messaggi(), ::testing::ElementsAre(::testing::HasSubstr("MENUU")));
}

}  // namespace
}  // namespace ga
