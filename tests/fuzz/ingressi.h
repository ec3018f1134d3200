// The program's entry points for bad input: every register's loader, the
// start-up (agency settings, bank coordinates, data-folder pointer) and the
// booking form's load, which reads every register. Each takes raw bytes as
// the file (or files) it reads, runs the program over them in a folder of
// its own, and must come back: whatever the bytes, no crash, no hang, no
// exception out of an event. The fuzz targets and the corpus replay test
// run the same entry points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ga::fuzz {

struct Ingresso {
    const char* nome;
    void (*esegui)(const std::uint8_t* dati, std::size_t quanti);
};

// Every entry point, by name (the name of its corpus folder).
const std::vector<Ingresso>& ingressi();
// nullptr for an unknown name.
const Ingresso* ingresso(std::string_view nome);

// The rewrite property of a register (named as its loader's entry point),
// for any bytes as its file: loaded, then rewritten with no change, the file
// comes back as it was read (every line, CR LF ended); with one record
// changed, only that record's line differs (keeping the fields past those
// the program writes), or one line is added at the end when the file holds
// no record. "" when it holds, else what failed. The entry points
// "riscrivi_<register>" run it as fuzz targets.
std::string verifica_riscrittura(std::string_view registro, std::string_view byte);
std::vector<std::string> registri_riscritti();

// The files of an entry point that reads several come one after another in
// its input, separated by a NUL byte, in this order:
//   avvio:        AGENZIA.IND, BANCHE.IND, cartella.txt
//   prenotazione: Vie.dat, proprietari.IND, appartamenti.ind, clienti.dat,
//                 periodi, prenotazioni, noteaff, saldi (of the year)
inline constexpr char kSeparatoreFile = '\0';

}  // namespace ga::fuzz
