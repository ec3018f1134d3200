#include "shell/INFO.h"

#include <cmath>
#include <string>

#include "records/versione.h"

namespace ga {

namespace {
// System colours are written as the system colour's index with the high bit.
constexpr long sistema(long indice) { return 0x80000000L + indice; }
constexpr long kTestoMenu = sistema(7);
constexpr long kTestoEvidenziato = sistema(14);
constexpr long kFacciaPulsante = sistema(15);
constexpr long kRossoVivo = 255;  // the version line under the mouse
constexpr long kBianco = 0xFFFFFF;
constexpr int kImmagini = 5;
constexpr int kPuntatoreProprio = 99;  // the link's pointer: a pointing hand
}  // namespace

INFO::INFO(App& app) : Forma(app, kName) {
    design("INFORMAZIONI", px(460), px(180));
    metti(Image1, 16, 16, 120, 90).design().stretch = true;
    for (int i = 0; i < kImmagini; ++i) crea<plat::Image>("I1", i).design().visible = false;

    metti(Label2, 152, 18, 290, 30).design().text = "GESTIONE AFFITTI";
    Label2.design().font_size = 16;
    Label2.design().bold = true;
    metti(Label4, 152, 56, 290, 36).design().text =
        "Gestione degli affitti turistici per le agenzie immobiliari";
    metti(Label6, 74, 134, 200, 20).design().text = "Versione del programma";
    Label6.design().fore_color = kTestoMenu;

    metti(Image2, 16, 126, 48, 36).design().stretch = true;
    Image2.design().tooltip = "VERSIONE";
    metti(Command1, 340, 128, 100, 32).design().text = "&Chiudimi";

    for (plat::Timer* t : {&Timer1, &Timer2, &Timer3}) t->design().interval = 500;

    on_mouse_move = [this] { Form_MouseMove(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command1.on_mouse_down = [this] { Command1_MouseDown(); };
    Command1.on_mouse_move = [this] { Command1_MouseMove(); };
    Command1.on_mouse_up = [this] { Command1_MouseUp(); };
    Label4.on_mouse_move = [this] { Label4_MouseMove(); };
    Label6.on_mouse_move = [this] { Label6_MouseMove(); };
    Label6.on_click = [this] { Label6_Click(); };
    Image2.on_click = [this] { Image2_Click(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    Timer2.on_timer = [this] { Timer2_Timer(); };
    Timer3.on_timer = [this] { Timer3_Timer(); };
}

void INFO::Form_Load() {
    // The picture show's five pictures lie in the program folder beside the
    // logo, which the version picture shows.
    for (int i = 0; i < kImmagini; ++i)
        control("I1", i)->set_picture(s.cartella_programma + "INFO" + std::to_string(i + 1) +
                                      ".BMP");
    Image1.set_picture(control("I1", 0)->picture());
    Image2.set_picture(s.percorso_logo);
    contatore = 0;
}

void INFO::Form_Unload() { set_topmost(false); }

long INFO::colore_a_caso() {
    std::uniform_real_distribution<double> frazione(0.0, 1.0);
    auto componente = [&] { return std::lround(frazione(caso_) * 255); };
    const long r = componente(), g = componente(), b = componente();
    return r + g * 256 + b * 65536;
}

void INFO::Form_MouseMove() {
    Label6.set_fore_color(kTestoMenu);
    Label6.set_underline(false);
    Command1.set_back_color(kBianco);
}

void INFO::Command1_Click() { unload(); }

void INFO::Command1_MouseDown() { Command1.set_back_color(kTestoEvidenziato); }

void INFO::Command1_MouseMove() { Command1.set_back_color(colore_a_caso()); }

void INFO::Command1_MouseUp() { Command1.set_back_color(kFacciaPulsante); }

void INFO::Label4_MouseMove() {
    Label6.set_fore_color(kTestoMenu);
    Label6.set_underline(false);
}

void INFO::Label6_MouseMove() {
    Label6.set_fore_color(kRossoVivo);
    Label6.set_underline(true);
    Label6.set_mouse_pointer(kPuntatoreProprio);
}

void INFO::Label6_Click() { Image2_Click(); }

void INFO::Image2_Click() {
    const std::string minore = (kVersioneMinore < 10 ? "0" : "") + std::to_string(kVersioneMinore);
    app.msgbox(app.title + "\rAnno 2026\rRealizzato per le agenzie di affitti turistici\r\r" +
                   "Versione " + std::to_string(kVersioneMaggiore) + "." + minore + "  (beta)",
               plat::Buttons::Ok, "", plat::Icon::Exclamation);
}

void INFO::Timer1_Timer() { Label2.set_fore_color(colore_a_caso()); }

void INFO::Timer2_Timer() {
    Image1.set_picture(control("I1", contatore)->picture());
    contatore = (contatore + 1) % kImmagini;
}

void INFO::Timer3_Timer() { Label4.set_fore_color(colore_a_caso()); }

}  // namespace ga
