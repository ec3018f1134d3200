#include "records/app.h"

#include "platform/number.h"

namespace ga {

long App::conta(std::string_view form, std::string_view control) {
    return plat::leading_int(testo(form, control));
}

plat::Label& Forma::etichetta(std::string_view caption, int x, int y, int width,
                              plat::Control* frame) {
    auto l = std::make_unique<plat::Label>(*this, "Etichetta" + std::to_string(etichette_.size() + 1));
    metti(*l, x, y, width, 19, frame);
    l->design().text = std::string(caption);
    etichette_.push_back(std::move(l));
    return *etichette_.back();
}

plat::Control& Forma::metti(plat::Control& c, int x, int y, int w, int h, plat::Control* frame) {
    c.place(px(x), px(y), px(w), px(h));
    if (frame) c.set_container(frame);
    return c;
}

}  // namespace ga
