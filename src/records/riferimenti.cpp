#include "records/riferimenti.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti_campi.h"
#include "records/archivio.h"
#include "records/conto_corrente_campi.h"
#include "records/fatture_campi.h"
#include "records/movimenti_campi.h"
#include "records/prenotazioni_campi.h"

namespace ga {

namespace {

namespace fs = std::filesystem;

bool comincia(std::string_view nome, std::string_view prefisso) {
    return nome.size() >= prefisso.size() &&
           plat::upper(nome.substr(0, prefisso.size())) == plat::upper(prefisso);
}

// The registers of the data folder named `prefisso` + middle + ".dat", one
// per year (and per account, for the bank-account register). `anno`: the
// middle must be a year (digits only), so that "saldi" does not also take
// another register beginning alike.
std::vector<std::string> registri(const App& app, std::string_view prefisso, bool anno) {
    std::vector<std::string> trovati;
    std::error_code errore;
    for (fs::directory_iterator it(app.s.cartella_dati, errore), fine; !errore && it != fine;
         it.increment(errore)) {
        const std::string nome = it->path().filename().string();
        if (!comincia(nome, prefisso) || nome.size() < prefisso.size() + 4) continue;
        const std::string_view estensione = std::string_view(nome).substr(nome.size() - 4);
        if (plat::upper(estensione) != ".DAT") continue;
        const std::string_view mezzo =
            std::string_view(nome).substr(prefisso.size(), nome.size() - prefisso.size() - 4);
        if (anno && (mezzo.empty() || !plat::all_digits(mezzo))) continue;
        std::error_code e;
        if (!it->is_regular_file(e)) continue;
        trovati.push_back(it->path().string());
    }
    std::sort(trovati.begin(), trovati.end());
    return trovati;
}

// Field `j` of every line of the file, with the line's number (from 1).
// Stops when `f` returns true; returns whether it did.
template <class F>
bool per_campo(const std::string& percorso, char separatore, std::size_t j, F f) {
    // A register not made yet names nobody, and is not made here.
    std::error_code errore;
    if (!fs::is_regular_file(percorso, errore)) return false;
    const auto righe = leggi_righe(percorso);
    if (!righe) return false;
    long numero = 0;
    for (const std::string& riga : *righe) {
        ++numero;
        std::size_t inizio = 0;
        std::size_t k = 0;
        for (; k < j; ++k) {
            const std::size_t p = riga.find(separatore, inizio);
            if (p == std::string::npos) break;
            inizio = p + 1;
        }
        if (k < j) continue;
        const std::size_t p = riga.find(separatore, inizio);
        const std::string campo =
            riga.substr(inizio, p == std::string::npos ? std::string::npos : p - inizio);
        if (f(campo, numero)) return true;
    }
    return false;
}

// A code as a number, or -1 when the field holds none.
long numero_codice(const std::string& campo) {
    const std::string t = plat::trim(campo);
    if (t.empty() || !plat::all_digits(t)) return -1;
    return plat::leading_int(t);
}

// Where a register names one kind of person: its files, the field, its separator.
struct Fonte {
    std::vector<std::string> file;
    std::size_t campo;
    char separatore;
    const char* motivo;   // the kind of record, for the message
    long dal_record = 1;  // records before this one name no person (the agency's)
};

std::vector<Fonte> fonti_clienti(const App& app) {
    return {{registri(app, "prenotazioni", true), pren::cliente, '*', "DELLE PRENOTAZIONI"},
            {registri(app, "fatture", true), fatt::cliente, '*', "DELLE FATTURE"}};
}

std::vector<Fonte> fonti_proprietari(const App& app, bool con_coordinate) {
    std::vector<Fonte> f = {
        {{app.s.percorso_appartamenti},
         appartamento::codice_proprietario,
         '*',
         "DEGLI APPARTAMENTI"},
        {registri(app, "saldi", true), movimento::parte, '*', "DEI MOVIMENTI DI CASSA"},
        {registri(app, "ContoCorr", false), assegno::proprietario, '*',
         "DEI PAGAMENTI IN CONTO CORRENTE"}};
    // The owners' bank coordinates: record 1 is the agency's own account.
    if (con_coordinate) f.push_back({{app.s.percorso_banche}, 6, ',', "", 2});
    return f;
}

const char* nominato_da(const std::vector<Fonte>& fonti, const std::string& codice) {
    for (const Fonte& fonte : fonti)
        for (const std::string& percorso : fonte.file)
            if (per_campo(percorso, fonte.separatore, fonte.campo,
                          [&](const std::string& c, long n) {
                              return n >= fonte.dal_record && stesso_codice(c, codice);
                          }))
                return fonte.motivo;
    return nullptr;
}

long massimo(const std::vector<Fonte>& fonti) {
    long piu_alto = 0;
    for (const Fonte& fonte : fonti)
        for (const std::string& percorso : fonte.file)
            per_campo(percorso, fonte.separatore, fonte.campo, [&](const std::string& c, long n) {
                if (n >= fonte.dal_record) piu_alto = std::max(piu_alto, numero_codice(c));
                return false;
            });
    return piu_alto;
}

// The code of a new record of `tabella`, which holds `n` records: the last
// record's code + 1 (1 with none). The records are not kept in code order,
// and files left by an older program may name a code nobody holds: a code a
// record holds or another register names gives the highest of them all + 1,
// because two persons under one code would share bookings, apartments and
// money.
template <class Tabella, class Campo>
std::string codice_dopo(Tabella& tabella, long n, Campo campo, const std::vector<Fonte>& fonti) {
    const int ultimo = static_cast<int>(std::clamp<long>(n, 0, tabella.capacita()));
    const long candidato = ultimo >= 1 ? plat::leading_int(tabella[ultimo][campo]) + 1 : 1;
    long piu_alto = 0;
    bool occupato = false;
    for (int i = 1; i <= ultimo; ++i) {
        const long codice = plat::leading_int(tabella[i][campo]);
        piu_alto = std::max(piu_alto, codice);
        occupato = occupato || codice == candidato;
    }
    const std::string proposto = plat::pad_code(std::to_string(candidato));
    if (!occupato && !nominato_da(fonti, proposto)) return proposto;
    return plat::pad_code(std::to_string(std::max(piu_alto, massimo(fonti)) + 1));
}

}  // namespace

std::string nuovo_codice_cliente(App& app, long n) {
    return codice_dopo(app.s.clienti, n, cliente::codice, fonti_clienti(app));
}

std::string nuovo_codice_proprietario(App& app, long n) {
    return codice_dopo(app.s.proprietari, n, proprietario::codice, fonti_proprietari(app, true));
}

std::string cliente_nominato(App& app, const std::string& codice) {
    const char* motivo = nominato_da(fonti_clienti(app), codice);
    if (!motivo) return {};
    return std::string("IL CLIENTE HA ") + motivo + ": NON PUO' ESSERE CANCELLATO";
}

std::string proprietario_nominato(App& app, const std::string& codice, long record) {
    if (const char* motivo = nominato_da(fonti_proprietari(app, false), codice))
        return std::string("IL PROPRIETARIO HA ") + motivo + ": NON PUO' ESSERE CANCELLATO";
    // Owner invoices, by record number.
    bool suo = false, successivo = false;
    for (const std::string& percorso : registri(app, "fatture", true))
        per_campo(percorso, '*', 3, [&](const std::string& c, long) {
            const long r = numero_codice(c);
            suo = suo || r == record;
            successivo = successivo || r > record;
            return suo;
        });
    if (suo) return "IL PROPRIETARIO HA DELLE FATTURE: NON PUO' ESSERE CANCELLATO";
    if (successivo)
        return "I PROPRIETARI CHE LO SEGUONO HANNO DELLE FATTURE: IL PROPRIETARIO NON PUO' "
               "ESSERE CANCELLATO";
    return {};
}

long codice_cliente_nominato_massimo(App& app) { return massimo(fonti_clienti(app)); }

bool codice_cliente_nominato(App& app, const std::string& codice) {
    return nominato_da(fonti_clienti(app), codice) != nullptr;
}

long codice_proprietario_nominato_massimo(App& app) {
    return massimo(fonti_proprietari(app, true));
}

bool codice_proprietario_nominato(App& app, const std::string& codice) {
    return nominato_da(fonti_proprietari(app, true), codice) != nullptr;
}

}  // namespace ga
