#include "righe.h"

#include "records/caselle.h"
#include "records/clienti.h"

namespace ga::test {

namespace {

template <std::size_t N, class Campo>
std::string riga(Valori<Campo> valori) {
    Campi<N> r;
    for (const auto& [j, testo] : valori) r.at(j) = testo;
    std::string linea;
    for (std::size_t j = 0; j < N; ++j) linea += (j ? "*" : "") + r[j];
    return linea;
}

}  // namespace

std::string riga_cliente(Valori<cliente::Campo> valori) { return riga<cliente::kCampi>(valori); }

std::string riga_proprietario(Valori<proprietario::Campo> valori) {
    return riga<proprietario::kCampi>(valori);
}

std::string riga_appartamento(Valori<appartamento::Campo> valori) {
    return riga<appartamento::kCampi>(valori);
}

std::string riga_periodo(Valori<periodo::Campo> valori) { return riga<periodo::kCampi>(valori); }

std::string riga_prenotazione(Valori<pren::Campo> valori) { return riga<pren::kCampi>(valori); }

std::string riga_nota(Valori<nota::Campo> valori) { return riga<nota::kCampi>(valori); }

std::string riga_movimento(Valori<movimento::Colonna> valori) {
    return riga<movimento::kColonne>(valori);
}

std::string riga_fattura(Valori<fatt::Campo> valori) {
    // The register writes the typed tax code only when there is one.
    std::string linea = riga<fatt::kCampi>(valori);
    if (linea.back() == '*') linea.pop_back();
    return linea;
}

std::string riga_spesa(Valori<voce_spesa::Campo> valori) {
    return riga<voce_spesa::kCampi>(valori);
}

std::string riga_assegno(Valori<assegno::Campo> valori) { return riga<assegno::kCampi>(valori); }

std::string riga_via(Valori<vie::Campo> valori) { return riga<vie::kCampi>(valori) + "* $$"; }

bool registra_cliente_del_blocco(App& app) {
    using namespace cliente;
    const long k = app.conta(kClienteRecord);
    RigaCliente c = cliente_in_archivio(app, k);
    c[codice] = app.testo(kClienteCodice);
    c[nome] = app.testo(kClienteNome);
    c[via] = app.testo(kClienteVia);
    c[cap] = app.testo(kClienteCap);
    c[citta] = app.testo(kClienteCitta);
    c[telefono] = app.testo(kClienteTelefono);
    c[provincia] = app.testo(kClienteProvincia);
    c[codice_fiscale] = app.testo(kClienteCodiceFiscale);
    c[email] = app.testo(kClienteEmail);
    return registra_cliente(app, k, c);
}

std::string cliente_bianchi() {
    return riga_cliente({{cliente::codice, "0001"},
                         {cliente::nome, "BIANCHI ANNA"},
                         {cliente::via, "VIA MARE 2"},
                         {cliente::cap, "70100"},
                         {cliente::citta, "BARI"},
                         {cliente::telefono, "080"},
                         {cliente::provincia, "BA"},
                         {cliente::codice_fiscale, "X"}});
}

std::string cliente_verdi() {
    return riga_cliente({{cliente::codice, "0002"},
                         {cliente::nome, "VERDI LUCA"},
                         {cliente::via, "VIA LAGO 3"},
                         {cliente::cap, "73028"},
                         {cliente::citta, "OTRANTO"},
                         {cliente::telefono, "0836"},
                         {cliente::provincia, "LE"},
                         {cliente::codice_fiscale, "Y"}});
}

std::string proprietario_rossi() {
    return riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                              {proprietario::telefono, "0832"},
                              {proprietario::codice, "0001"},
                              {proprietario::rapporto, "PROVV"}});
}

std::string appartamento_di_rossi() {
    return riga_appartamento({{appartamento::codice_proprietario, "0001"},
                              {appartamento::codice_via, "0001"},
                              {appartamento::civico, "12"},
                              {appartamento::tipo, "MON"},
                              {appartamento::soggiorno, "SI"},
                              {appartamento::bagni, "1"},
                              {appartamento::giardino, "NO"},
                              {appartamento::piano, "1"},
                              {appartamento::posti_letto, "4"},
                              {appartamento::periodicita, "ESTIVO"},
                              {appartamento::codice, "0010"}});
}

}  // namespace ga::test
