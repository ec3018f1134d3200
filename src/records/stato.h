// The application state: one record, created empty at start and never saved
// as a whole, through which the forms and the shared procedures talk. Texts
// start as "", numbers as 0. Record tables are numbered from 1; their counts
// live in hidden boxes of forms (the count stores), not here.
#pragma once

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/date.h"
#include "platform/large_memory.h"
#include "platform/services.h"
#include "records/appartamenti_campi.h"
#include "records/campi.h"
#include "records/clienti_campi.h"
#include "records/fatture_campi.h"
#include "records/movimenti_campi.h"
#include "records/note_campi.h"
#include "records/periodi_campi.h"
#include "records/prenotazioni_campi.h"
#include "records/proprietari_campi.h"
#include "records/vie_campi.h"

namespace ga {

// A record table: rows 1 to its capacity; row 0 exists but is never used.
// A table is made with the number of records the program is sized and timed
// for, and grows past it: a loader makes room for every line of its file and
// a writer for the record after the last row, so that a rewrite from the
// table never leaves out a record the file holds.
//
// The rows are made when a row is first reached, not with the table: the
// tables at capacity hold some fifty thousand empty texts (megabytes that
// the start, which reads only the banks, would fill before its first window
// shows).
template <class Row>
class Tabella {
public:
    explicit Tabella(int capacity) : capacita_(capacity) {}
    // The rows held now: the records it was made for, or more.
    int capacita() const { return capacita_; }
    bool valido(int i) const { return i >= 1 && i <= capacita(); }
    // Whether record i may be written: a row held, or the one after the
    // last, which `allarga` makes room for. A number further on names no
    // record (and would have the table grow without bound).
    bool ammesso(long i) const { return i >= 1 && i <= capacita() + 1L; }
    // Room for rows up to n, made at once, the rows held unchanged: a load
    // of a long register then grows the table without moving it again and
    // again.
    void riserva(std::size_t n) {
        rows_.reserve(n + 1);
        lette_.reserve(n);
    }
    // Rows up to n, the new ones empty.
    void allarga(int n) {
        if (n <= capacita_) return;
        capacita_ = n;
        if (!rows_.empty()) rows_.resize(static_cast<std::size_t>(n) + 1);
    }
    Row& operator[](int i) {
        if (i < 0 || i > capacita())
            throw std::out_of_range("RIGA " + std::to_string(i) + " FUORI DALLA TABELLA");
        if (rows_.empty()) rows_.resize(static_cast<std::size_t>(capacita_) + 1);
        return rows_[static_cast<std::size_t>(i)];
    }

    // What the last load read for a row: the line as it stood in the file,
    // the row the loader made of it, and whether the program could read it
    // as a record at all. A rewrite gives back the line of every row the
    // operation left as it was read, byte for byte.
    struct Letta {
        std::string testo;
        Row riga;
        bool leggibile = true;
    };
    // A load starts: nothing read yet.
    void inizia_lettura() {
        lette_.clear();
        illeggibili_ = 0;
        prima_illeggibile_ = 0;
    }
    // Row i (the next after those read) was loaded from `testo`.
    void ricorda(int i, std::string_view testo, bool leggibile) {
        lette_.push_back(Letta{std::string(testo), (*this)[i], leggibile});
        if (!leggibile && illeggibili_++ == 0) prima_illeggibile_ = i;
    }
    // The lines the last load read, rows 1 to that number.
    int righe_lette() const { return static_cast<int>(lette_.size()); }
    const Letta& letta(int i) const { return lette_.at(static_cast<std::size_t>(i) - 1); }
    // The lines the program could not read, and the first of them (0: none).
    int illeggibili() const { return illeggibili_; }
    int prima_illeggibile() const { return prima_illeggibile_; }

private:
    int capacita_;
    // Empty until a row is reached, then rows 0 to capacita_.
    std::vector<Row, plat::LargeAllocator<Row>> rows_;
    std::vector<Letta> lette_;
    int illeggibili_ = 0, prima_illeggibile_ = 0;
};

// The first record of a table holding each code, for the lists that name a
// record by its code on every line: one step instead of a scan of the table.
// Built by the table's loader from the whole table (rows past the count
// too, as a scan bounded by a larger count would meet them); `Chiave` is
// the reading of the code that the lookups compare.
template <class Chiave>
class IndiceCodici {
public:
    template <class Row, class Lettura>
    void costruisci(Tabella<Row>& t, Lettura chiave) {
        primo_.clear();
        primo_.reserve(static_cast<std::size_t>(t.capacita()));
        for (int i = 1; i <= t.capacita(); ++i) primo_.push_back({chiave(t[i]), i});
        // Sorted by code, then by record: the first of each code is kept. One
        // block searched by halves: a list of ten thousand lines looks up
        // ten thousand codes, and a node-based map meets the memory's
        // latency at every step.
        std::sort(primo_.begin(), primo_.end());
        primo_.erase(std::unique(primo_.begin(), primo_.end(),
                                 [](const Voce& a, const Voce& b) { return a.first == b.first; }),
                     primo_.end());
    }
    // The first record, among 1 to `conta`, whose code reads `k`; 0 for none.
    int primo(Chiave k, long conta) const {
        const auto it = std::lower_bound(primo_.begin(), primo_.end(), k,
                                         [](const Voce& v, Chiave c) { return v.first < c; });
        return it != primo_.end() && it->first == k && it->second <= conta ? it->second : 0;
    }

private:
    using Voce = std::pair<Chiave, int>;
    std::vector<Voce> primo_;
};

struct RigaBanca {
    std::string banca_nome, banca_intestatario, banca_conto, banca_codice_accesso, banca_citta,
        banca_iban, banca_proprietario;
    bool operator==(const RigaBanca&) const = default;
};

// Invoice: the date is held as a date; the other fields as text.
struct RigaFattura {
    plat::Date data;
    Campi<fatt::kCampi> campo;  // campo[fatt::data] unused
    bool operator==(const RigaFattura&) const = default;
};

// Period: the dates are held as the text of the date read from the file.
struct RigaPeriodo {
    std::string numero, codice, dal, al, prezzo, stato;
    bool operator==(const RigaPeriodo&) const = default;
};

// Booking: its fields as text; arrival, departure and closing are also held
// as dates.
struct RigaPrenotazione {
    Campi<pren::kCampi> campo;
    plat::Date arrivo, partenza, chiusura;
    bool operator==(const RigaPrenotazione&) const = default;
};

// Money movement: the date is held as a date; the other columns as text.
struct RigaMovimento {
    plat::Date data;
    Campi<movimento::kColonne> campo;  // campo[movimento::data] unused
    bool operator==(const RigaMovimento&) const = default;
};

struct Stato {
    // --- folders and year ---
    std::string cartella_programma, cartella_dati, anno_gestione, cartella_stampe;
    // --- file paths ---
    std::string percorso_agenzia, percorso_banche, percorso_comuni, percorso_cartella_txt,
        percorso_vie, percorso_proprietari, percorso_appartamenti, percorso_clienti,
        percorso_periodi, percorso_prenotazioni, percorso_note, percorso_saldi, percorso_spese,
        percorso_contocorr, percorso_fatture;
    // --- modes ---
    std::string operazione, modo_chiamata, azione_corrente;

    // --- agency settings, one per field of "AGENZIA.IND" ---
    std::string agenzia_nome, agenzia_via, agenzia_citta, agenzia_telefono, partita_iva,
        agenzia_titolare, telefono_responsabile, diritti_agenzia, percentuale_affitto,
        percentuale_iva, deposito_minimo, pulizia_finale, agenzia_email, percentuale_cauzione,
        agenzia_cap, ora_ingresso_a, ora_uscita_a, ora_ingresso_b, ora_uscita_b, ora_ingresso_c,
        ora_uscita_c, ora_ingresso_d, ora_uscita_d, intestazione_assegno, intestatario_assegno,
        iva_affitto, costo_lenzuola, costo_letto;
    std::string scelta_assegno;
    int indice_banca = 0;

    // --- record tables (each made for the number of records given) ---
    Tabella<RigaBanca> banche{100};
    Tabella<RigaVia> vie{500};
    Tabella<RigaProprietario> proprietari{200};
    Tabella<RigaAppartamento> appartamenti{500};
    Tabella<RigaCliente> clienti{1000};
    // Owners and apartments by the whole number of their code, clients by
    // the number their code reads.
    IndiceCodici<long> proprietari_per_codice, appartamenti_per_codice;
    IndiceCodici<double> clienti_per_codice;
    Tabella<RigaFattura> fatture{100};
    Tabella<RigaPeriodo> periodi{1000};
    Tabella<RigaPrenotazione> prenotazioni{1000};
    // Booking note: text, booking number, apartment code.
    Tabella<RigaNota> note{1000};
    Tabella<RigaMovimento> movimenti{1000};

    // --- check results and keys ---
    std::string cf_da_controllare, esito_cf;
    std::string carattere_controllo;
    std::string iban_da_controllare, esito_iban;
    std::string chiave_comune, comune_letto, cap_letto;
    std::string testo_ricerca;
    std::string esito_data, numero_nota, importo_acconto, prefisso_cliente, cf_digitato,
        prenotazione_scelta, cauzione_ricevuta;
    std::string conto_corrente;

    // --- work values of the forms ---
    std::string primo_accesso_menu, nome_utente, percorso_logo;
    plat::Answer risposta = plat::Answer::Ok;
    std::string periodi_modificati;
    std::string valore_salvato, indice_calendario, indice_riga;
    // Rows of the period grid (1 to 16) and of the booking form's free-period
    // list (0 to 16); the period number of each list line (0 to 1000).
    std::array<std::string, 17> righe_dal, righe_al, righe_prezzo, righe_stato;
    std::array<std::string, 1001> righe_periodo;
    int appartamento_corrente = 0;
    // The month chosen in the availability view and in the printing menu.
    std::string mese_scelto;
    // The invoice of the register the printing menu reprints (its record).
    std::string fattura_scelta;
};

}  // namespace ga
