#include "registry/controlli.h"

#include <array>
#include <string>

#include "platform/text.h"

namespace ga {

namespace {

// Values of the letters A to Z in the odd positions of a fiscal code; a
// digit is worth what the letter at its place is worth (0 as A, 9 as J).
constexpr std::array<long, 26> kDispari = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                           20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

// The position in 0-9 or A-Z of a one-character text: 0-9 for a digit,
// 10-35 for a letter, -1 for anything else.
int posizione(const std::string& c) {
    if (c.size() != 1) return -1;
    const char ch = c[0];
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'Z') return 10 + (ch - 'A');
    return -1;
}

constexpr int kLunghezzaIban = 27;

}  // namespace

long valore_dispari_cf(const std::string& carattere) {
    const int p = posizione(carattere);
    if (p < 0) return 0;
    if (p < 10) return kDispari[static_cast<std::size_t>(p)];
    return kDispari[static_cast<std::size_t>(p - 10)];
}

long valore_pari_cf(const std::string& carattere) {
    const int p = posizione(carattere);
    if (p < 0) return 0;
    if (p < 10) return p;
    return p - 10;
}

void controlla_codice_fiscale(App& app) {
    Stato& s = app.s;
    const std::string& cf = s.cf_da_controllare;

    long somma_dispari = 0;
    for (int i = 1; i <= 15; i += 2) somma_dispari += valore_dispari_cf(plat::mid(cf, i, 1));
    long somma_pari = 0;
    for (int i = 2; i <= 14; i += 2) somma_pari += valore_pari_cf(plat::mid(cf, i, 1));
    const long somma = somma_dispari + somma_pari;
    const long resto_cf = somma - (somma / 26) * 26;
    s.carattere_controllo = std::string(1, static_cast<char>('A' + resto_cf));

    s.esito_cf = "si";
    // A code shorter than 16 characters has no check letter and fails.
    if (plat::mid(cf, 16, 1) != s.carattere_controllo) {
        app.msgbox("CODICE FISCALE NON VALIDO", plat::Buttons::Ok, "CONTROLLO CODICE FISCALE");
        s.esito_cf = "no";
    }
}

long valore_carattere_iban(const std::string& carattere) { return posizione(carattere); }

void controlla_iban(App& app) {
    Stato& s = app.s;
    const std::string& iban = s.iban_da_controllare;
    s.esito_iban = "";

    bool valido = plat::length(iban) == kLunghezzaIban && plat::starts_with(iban, "IT");
    if (valido) {
        // The country and check digits go to the end; each character becomes
        // its value in decimal and the digit string, far longer than any
        // machine number, is reduced modulo 97 a digit at a time.
        const std::string riordinato = plat::right(iban, kLunghezzaIban - 4) + plat::left(iban, 4);
        int resto = 0;
        for (int i = 1; i <= kLunghezzaIban && valido; ++i) {
            const long valore_carattere = valore_carattere_iban(plat::mid(riordinato, i, 1));
            if (valore_carattere < 0) {
                valido = false;
                break;
            }
            for (const char cifra : std::to_string(valore_carattere))
                resto = (resto * 10 + (cifra - '0')) % 97;
        }
        valido = valido && resto == 1;
    }
    if (!valido) {
        app.msgbox("CODICE IBAN ERRATO", plat::Buttons::Ok, "CONTROLLO IBAN");
        s.esito_iban = "KO";
    }
}

}  // namespace ga
