// One libFuzzer target: the entry point named by FUZZ_INGRESSO.
#include <cstddef>
#include <cstdint>

#include "fuzz/ingressi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    static const ga::fuzz::Ingresso* ingresso = ga::fuzz::ingresso(FUZZ_INGRESSO);
    ingresso->esegui(dati, quanti);
    return 0;
}
