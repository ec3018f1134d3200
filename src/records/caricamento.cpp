#include "records/caricamento.h"

#include <cstddef>
#include <future>

namespace ga {

void carica_insieme(const std::vector<Caricamento>& registri) {
    std::vector<int> letti(registri.size());
    std::vector<std::future<int>> altri;
    altri.reserve(registri.size());
    for (std::size_t k = 1; k < registri.size(); ++k)
        altri.push_back(std::async(std::launch::async, registri[k].leggi));
    // The futures wait for their threads however this ends.
    if (!registri.empty()) letti[0] = registri[0].leggi();
    for (std::size_t k = 1; k < registri.size(); ++k) letti[k] = altri[k - 1].get();
    for (std::size_t k = 0; k < registri.size(); ++k) registri[k].chiudi(letti[k]);
}

}  // namespace ga
