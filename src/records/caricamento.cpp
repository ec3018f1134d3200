#include "records/caricamento.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <future>
#include <thread>

namespace ga {

namespace {

// The threads a loader may share its register out to: the machine's, split
// among the registers read together.
thread_local int t_fili = 0;

int fili_della_macchina() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace

void carica_insieme(const std::vector<Caricamento>& registri) {
    const int fili =
        std::max(1, fili_della_macchina() / std::max(1, static_cast<int>(registri.size())));
    const auto leggi = [fili](const Caricamento& c) {
        const int prima = t_fili;
        t_fili = fili;
        struct Ripristina {
            int v;
            ~Ripristina() { t_fili = v; }
        } ripristina{prima};
        return c.leggi();
    };
    std::vector<int> letti(registri.size());
    std::vector<std::future<int>> altri;
    altri.reserve(registri.size());
    for (std::size_t k = 1; k < registri.size(); ++k)
        altri.push_back(std::async(std::launch::async, leggi, std::cref(registri[k])));
    // The futures wait for their threads however this ends.
    if (!registri.empty()) letti[0] = leggi(registri[0]);
    for (std::size_t k = 1; k < registri.size(); ++k) letti[k] = altri[k - 1].get();
    for (std::size_t k = 0; k < registri.size(); ++k) registri[k].chiudi(letti[k]);
}

void metti_a_pezzi(int n, const std::function<void(int)>& metti) {
    // Pieces of a few thousand lines at least: a thread costs more than a
    // thousand lines take.
    constexpr int kRigheMinime = 2500;
    const int pezzi = std::clamp(n / kRigheMinime, 1, t_fili > 0 ? t_fili : fili_della_macchina());
    std::vector<std::future<void>> altri;
    altri.reserve(static_cast<std::size_t>(pezzi));
    const auto pezzo = [&](int p) {
        const int da = 1 + static_cast<int>(static_cast<long long>(n) * p / pezzi);
        const int a = static_cast<int>(static_cast<long long>(n) * (p + 1) / pezzi);
        for (int i = da; i <= a; ++i) metti(i);
    };
    for (int p = 1; p < pezzi; ++p) altri.push_back(std::async(std::launch::async, pezzo, p));
    // The futures wait for their threads however this ends.
    pezzo(0);
    for (auto& f : altri) f.get();
}

}  // namespace ga
