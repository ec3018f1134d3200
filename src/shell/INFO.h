// The about box: the program's name with colour effects, a small picture
// show, a link-like label and the version message. Opened by the main menu,
// which stays usable behind it.
#pragma once

#include <random>

#include "records/app.h"

namespace ga {

class INFO : public Forma {
public:
    static constexpr plat::FormName kName = forme::INFO;
    explicit INFO(App& app);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_MouseMove();
    void Command1_Click();
    void Command1_MouseDown();
    void Command1_MouseMove();
    void Command1_MouseUp();
    void Label4_MouseMove();
    void Label6_MouseMove();
    void Label6_Click();
    void Image2_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    plat::Image Image1{*this, "Image1"};  // shows the pictures of I1 in turn
    plat::Image Image2{*this, "Image2"};
    plat::Label Label2{*this, "Label2"}, Label4{*this, "Label4"}, Label6{*this, "Label6"};
    plat::CommandButton Command1{*this, "Command1"};
    plat::Timer Timer1{*this, "Timer1"}, Timer2{*this, "Timer2"}, Timer3{*this, "Timer3"};

    // The next picture of I1 that Timer2 shows (0 to 4).
    int contatore = 0;

private:
    long colore_a_caso();

    std::mt19937 caso_{std::random_device{}()};
};

}  // namespace ga
