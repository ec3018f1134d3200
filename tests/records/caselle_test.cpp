// Every box named once in the caselle.h headers is a control of its form,
// by the form's and the control's own names: a name mistyped in a
// constant's definition fails here, not when a user first takes the road
// that reaches it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "accounts/caselle.h"
#include "apartments/caselle.h"
#include "bookings/caselle.h"
#include "records/caselle.h"
#include "registry/caselle.h"
#include "settlement/caselle.h"
#include "shell/caselle.h"
#include "support/banco.h"

namespace ga {
namespace {

// The lists of the caselle.h headers, each of every box it names.
const std::span<const Casella* const> kCaselle[] = {
    kCaselleArchivi,      kCaselleAnagrafiche, kCaselleShell, kCaselleAppartamenti,
    kCasellePrenotazioni, kCaselleSaldi,       kCaselleConti};
const std::span<const Famiglia* const> kFamiglie[] = {kFamiglieArchivi};

TEST(Caselle, EveryNamedBoxIsAControlOfItsForm) {
    test::Banco b;
    App& app = b.app();
    std::vector<std::string> non_trovate;
    int controllate = 0;
    auto controlla = [&](std::string_view forma, const std::string& controllo) {
        ++controllate;
        const plat::Form* f = app.form(forma);
        const plat::Control* c = f ? f->find(controllo) : nullptr;
        if (!c || f->name() != forma || c->name() != controllo)
            non_trovate.push_back(std::string(forma) + "." + controllo);
    };
    for (const auto& elenco : kCaselle)
        for (const Casella* c : elenco) controlla(c->forma, std::string(c->controllo));
    for (const auto& elenco : kFamiglie)
        for (const Famiglia* f : elenco)
            for (int n = f->primo; n <= f->ultimo; ++n) controlla(f->forma, f->nome(n));
    EXPECT_THAT(non_trovate, ::testing::IsEmpty());
    EXPECT_GT(controllate, 0);
}

}  // namespace
}  // namespace ga
