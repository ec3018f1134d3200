#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted.h"
#include "registry/controlli.h"
#include "support/banco.h"

namespace ga {
namespace {

using test::Banco;

class CodiceFiscale : public ::testing::Test {
protected:
    std::string controlla(const std::string& cf) {
        b.app().s.cf_da_controllare = cf;
        b.app().s.esito_cf = "";
        controlla_codice_fiscale(b.app());
        return b.app().s.esito_cf;
    }
    Banco b;
};

TEST_F(CodiceFiscale, AValidCodePassesSilently) {
    EXPECT_EQ(controlla("RSSMRA85T10A562S"), "si");
    EXPECT_EQ(b.app().s.carattere_controllo, "S");
    EXPECT_EQ(controlla("MRTMTT25D09F205Z"), "si");
    // Characters after the sixteenth are not looked at.
    EXPECT_EQ(controlla("RSSMRA85T10A562S9999"), "si");
    EXPECT_TRUE(b.messaggi().shown().empty());
}

TEST_F(CodiceFiscale, AChangedCharacterFailsWithTheMessage) {
    EXPECT_EQ(controlla("RSSMRA85T10A563S"), "no");
    ASSERT_EQ(b.messaggi().shown().size(), 1u);
    EXPECT_EQ(b.messaggi().shown()[0].text, "CODICE FISCALE NON VALIDO");
    EXPECT_EQ(b.messaggi().shown()[0].title, "CONTROLLO CODICE FISCALE");
    EXPECT_EQ(b.messaggi().shown()[0].buttons, plat::Buttons::Ok);

    // Odd and even positions are valued differently: a change in either fails.
    EXPECT_EQ(controlla("RSSMRA85T10B562S"), "no");  // position 12, even
    EXPECT_EQ(controlla("TSSMRA85T10A562S"), "no");  // position 1, odd
    EXPECT_EQ(controlla("RSSMRA85T10A562T"), "no");  // the check letter itself
}

TEST_F(CodiceFiscale, ShortCodesAndVatNumbersFail) {
    EXPECT_EQ(controlla("RSSMRA85T10A562"), "no");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE FISCALE NON VALIDO"});
    EXPECT_EQ(controlla("12345678903"), "no");
    EXPECT_EQ(controlla(""), "no");
    // Lower case is not valued: the callers upper-case first.
    EXPECT_EQ(controlla("rssmra85t10a562s"), "no");
}

TEST(ValoriCodiceFiscale, OddAndEvenTables) {
    auto dispari = [](const char* c) { return valore_dispari_cf(c); };
    auto pari = [](const char* c) { return valore_pari_cf(c); };
    EXPECT_EQ(dispari("0"), 1);
    EXPECT_EQ(dispari("A"), 1);
    EXPECT_EQ(dispari("9"), 21);
    EXPECT_EQ(dispari("J"), 21);
    EXPECT_EQ(dispari("M"), 18);
    EXPECT_EQ(dispari("X"), 25);
    EXPECT_EQ(dispari("Z"), 23);
    EXPECT_EQ(dispari("-"), 0);
    EXPECT_EQ(dispari(""), 0);
    EXPECT_EQ(pari("7"), 7);
    EXPECT_EQ(pari("A"), 0);
    EXPECT_EQ(pari("Z"), 25);
    EXPECT_EQ(pari("È"), 0);
}

class Iban : public ::testing::Test {
protected:
    std::string controlla(const std::string& iban) {
        b.app().s.iban_da_controllare = iban;
        b.app().s.esito_iban = "pending";
        controlla_iban(b.app());
        return b.app().s.esito_iban;
    }
    Banco b;
};

TEST_F(Iban, AValidItalianIbanPasses) {
    EXPECT_EQ(controlla("IT60X0542811101000000123456"), "");
    EXPECT_EQ(controlla("IT36A0301503200000003517230"), "");
    EXPECT_TRUE(b.messaggi().shown().empty());
}

TEST_F(Iban, WrongCheckDigitsFail) {
    // The last two digits swapped.
    EXPECT_EQ(controlla("IT60X0542811101000000123465"), "KO");
    ASSERT_EQ(b.messaggi().shown().size(), 1u);
    EXPECT_EQ(b.messaggi().shown()[0].text, "CODICE IBAN ERRATO");
    EXPECT_EQ(b.messaggi().shown()[0].title, "CONTROLLO IBAN");
    EXPECT_EQ(b.messaggi().shown()[0].buttons, plat::Buttons::Ok);
    EXPECT_EQ(controlla("IT61X0542811101000000123456"), "KO");
}

TEST_F(Iban, LengthCountryAndCharactersAreChecked) {
    EXPECT_EQ(controlla("IT60X054281110100000012345"), "KO");    // 26
    EXPECT_EQ(controlla("IT60X05428111010000001234567"), "KO");  // 28
    // A valid German IBAN is not an Italian one.
    EXPECT_EQ(controlla("DE89370400440532013000"), "KO");
    EXPECT_EQ(controlla("DE89370400440532013000XXXXX"), "KO");
    EXPECT_EQ(controlla(""), "KO");
    // A character outside 0-9 and A-Z cannot be part of an IBAN.
    EXPECT_EQ(controlla("IT60X0542811101000000 23456"), "KO");
    EXPECT_EQ(controlla("IT60x0542811101000000123456"), "KO");
    EXPECT_EQ(b.messaggi().shown().size(), 7u);
}

}  // namespace
}  // namespace ga
