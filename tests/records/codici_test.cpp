// The code a new client or owner gets, the same from every form that makes
// one (clients form, owners form, booking page).
#include <gtest/gtest.h>

#include "records/caselle.h"
#include "records/clienti.h"
#include "records/proprietari.h"
#include "records/riferimenti.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

struct Caso {
    const char* perche;
    Righe codici;    // of the register's records, in file order
    Righe nominati;  // by another register: a booking, an apartment
    const char* atteso;
};

TEST(NuovoCodice, TheLastCodePlusOneUnlessSomeoneHoldsIt) {
    const Caso casi[] = {
        {"an empty register", {}, {}, "0001"},
        {"the last record's code, not the highest", {"0005", "0002"}, {}, "0003"},
        {"the last code + 1 is held: the highest + 1", {"0002", "0005", "0001"}, {}, "0006"},
        {"a long code is not padded", {"12345"}, {}, "12346"},
        {"another register names the last code + 1", {"0001"}, {"0002"}, "0003"},
    };
    for (const Caso& c : casi) {
        for (bool clienti : {true, false}) {
            test::Banco b;
            b.prepara_dati();
            Righe righe, nominano;
            for (const std::string& k : c.codici)
                righe.push_back(
                    clienti ? test::riga_cliente({{cliente::codice, k}, {cliente::nome, "N" + k}})
                            : test::riga_proprietario(
                                  {{proprietario::codice, k}, {proprietario::nome, "N" + k}}));
            for (const std::string& k : c.nominati)
                nominano.push_back(
                    clienti ? test::riga_prenotazione({{pren::cliente, k}})
                            : test::riga_appartamento({{appartamento::codice_proprietario, k}}));
            const std::string& d = b.cartella_dati();
            b.scrivi(d + (clienti ? "clienti.dat" : "proprietari.IND"), righe);
            b.scrivi(d + (clienti ? "prenotazioni2026.dat" : "appartamenti.ind"), nominano);
            App& app = b.app();
            std::string codice;
            app.run([&] {
                if (clienti) carica_clienti(app);
                else
                    carica_proprietari(app);
                codice = clienti ? nuovo_codice_cliente(app, app.conta(kContaClienti))
                                 : nuovo_codice_proprietario(app, app.conta(kContaProprietari));
            });
            EXPECT_EQ(codice, c.atteso) << c.perche << (clienti ? " (clients)" : " (owners)");
        }
    }
}

}  // namespace
}  // namespace ga
