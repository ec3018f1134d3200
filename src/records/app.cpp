#include "records/app.h"

#include <algorithm>
#include <filesystem>

#include "platform/number.h"

namespace ga {

long App::conta(const Casella& c) { return plat::leading_int(testo(c)); }

plat::Control* App::trova(const Famiglia& f, long n) {
    plat::Form* forma = plat::Runtime::form(f.forma);
    return forma ? forma->control(f.nome(n)) : nullptr;
}

void App::ricarica_registri(const std::vector<std::string>& percorsi) {
    auto stesso = [](const std::string& a, const std::string& b) {
        namespace fs = std::filesystem;
        return !a.empty() && fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
    };
    for (const auto& [campo, carica] : caricatori_) {
        const std::string& percorso = s.*campo;
        if (std::any_of(percorsi.begin(), percorsi.end(),
                        [&](const std::string& p) { return stesso(percorso, p); }))
            carica(*this);
    }
}

plat::Label& Forma::etichetta(std::string_view caption, int x, int y, int width,
                              plat::Control* frame) {
    auto l =
        std::make_unique<plat::Label>(*this, "Etichetta" + std::to_string(etichette_.size() + 1));
    metti(*l, x, y, width, 19, frame);
    l->design().text = std::string(caption);
    etichette_.push_back(std::move(l));
    return *etichette_.back();
}

plat::Control& Forma::controllo(std::string_view nome, int indice) {
    return static_cast<plat::Runtime&>(app).field(name(), nome, indice);
}

plat::Control& Forma::metti(plat::Control& c, int x, int y, int w, int h, plat::Control* frame) {
    c.place(px(x), px(y), px(w), px(h));
    if (frame) c.set_container(frame);
    return c;
}

}  // namespace ga
