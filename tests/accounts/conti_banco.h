// The owners' accounts on the test bench: owners (two of them named ROSSI
// MARIO), apartments, streets and bookings in the data folder, the agency's
// commission at 10 per cent.
#pragma once

#include <string>
#include <vector>

#include "records/app.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {

// An apartment record: owner code, street code, house number ... apartment code.
inline std::string appartamento(const std::string& proprietario, const std::string& via,
                                const std::string& civico, const std::string& codice) {
    using namespace appartamento;
    return riga_appartamento({{codice_proprietario, proprietario},
                              {codice_via, via},
                              {appartamento::civico, civico},
                              {tipo, "MON"},
                              {soggiorno, "1"},
                              {bagni, "0"},
                              {giardino, "NO"},
                              {piano, "0"},
                              {posti_letto, "4"},
                              {periodicita, "0"},
                              {vuoto, "0"},
                              {note, "0"},
                              {appartamento::codice, codice}});
}

// Points the bench at its data folder and writes the registers.
inline void prepara_conti(Banco& b) {
    b.prepara_dati();
    const std::string d = b.cartella_dati();
    b.scrivi(d + "proprietari.IND",
             {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA ROMA 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080111"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "RSSMRA"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                       {proprietario::via, "VIA MARE 2"},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832"},
                                       {proprietario::codice, "0002"},
                                       {proprietario::rapporto, "CONTR"}}),
              test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                       {proprietario::via, "VIA PO 3"},
                                       {proprietario::citta, "ROMA"},
                                       {proprietario::provincia, "RM"},
                                       {proprietario::cap, "00100"},
                                       {proprietario::telefono, "06"},
                                       {proprietario::codice, "0003"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "NERI PIA"},
                                       {proprietario::via, "VIA BORGO 4"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "0004"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "GIALLI EVA"},
                                       {proprietario::via, "VIA LAGO 5"},
                                       {proprietario::citta, "COMO"},
                                       {proprietario::provincia, "CO"},
                                       {proprietario::cap, "22100"},
                                       {proprietario::telefono, "031"},
                                       {proprietario::codice, "0005"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA MONTE 6"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080222"},
                                       {proprietario::codice, "0006"},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(d + "appartamenti.ind",
             {appartamento("0001", "001", "12", "0012"), appartamento("0002", "002", "5", "0020"),
              appartamento("0003", "001", "3", "0031"), appartamento("0003", "002", "12", "0032"),
              appartamento("0003", "003", "101/A", "0033"), appartamento("0004", "001", "1", "7"),
              appartamento("0006", "002", "8", "0060")});
    b.scrivi(d + "Vie.dat", {"0001**VIA ROMA", "0002**VIA DEL MARE", "0003**CORSO ITALIA"});
    b.scrivi(d + "prenotazioni2026.dat",
             {"1*C*01/06/2026*08/06/2026", "2*C*09/06/2026*16/06/2026", "3*C*17/06/2026*24/06/2026",
              "4*C*01/08/2026*15/08/2026", "5*C*16/08/2026*31/08/2026"});
    b.app().run([&] { b.app().imposta("zeltra", "Text9", " 10 "); });
}

class Conti {
public:
    Conti() { prepara_conti(b); }

    App& app() { return b.app(); }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string journal() const { return dati("saldi2026.dat"); }
    std::string expenses() const { return dati("spese2026.dat"); }
    std::string box(const char* forma, const char* nome) { return app().testo(forma, nome); }
    plat::Control& c(const char* forma, const char* nome) { return app().campo(forma, nome); }
    std::vector<std::string> righe(const char* forma, const char* lista) {
        std::vector<std::string> out;
        plat::Control& l = c(forma, lista);
        for (int i = 0; i < l.list_count(); ++i) out.push_back(l.item(i));
        return out;
    }

    static std::string crlf(const std::vector<std::string>& righe) {
        std::string out;
        for (const auto& r : righe) out += r + "\r\n";
        return out;
    }

    Banco b;
};

}  // namespace ga::test
