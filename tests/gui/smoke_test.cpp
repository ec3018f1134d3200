// The real program in its windows: built with scripted services over a copy
// of the shipped program folder, taken through a first start, and each window
// it meets saved as a picture (screenshots/ under the working folder) for a
// person to look at.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "gui/desktop.h"
#include "platform/scripted.h"
#include "program/programma.h"
#include "qt_app.h"

namespace {

namespace fs = std::filesystem;

TEST(Smoke, TheFirstStartGoesFromTheStartFormToTheMenuInRealWindows) {
    gui_test::qt_app();
    const fs::path folder = fs::temp_directory_path() / ("gui_smoke_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(SOURCE_DATA_FOLDER, folder / "data", fs::copy_options::recursive);

    plat::Services services;
    auto messages = std::make_unique<plat::ScriptedMessages>();
    plat::ScriptedMessages* shown = messages.get();
    services.messages = std::move(messages);
    services.clock = std::make_unique<plat::FixedClock>(*plat::Date::from_dmy(15, 6, 2024));
    services.user = std::make_unique<plat::FixedUser>("prova");
    services.program_folder = (folder / "data").string() + "/";

    auto app = ga::crea_applicazione(std::move(services));
    {
        gui::Desktop desktop(*app);
        QDir().mkpath(QStringLiteral("screenshots"));
        // Saves the window of a shown form as a picture and checks it has one.
        auto fotografa = [&](const char* nome) {
            QTest::qWait(100);
            plat::Form* form = app->form(nome);
            ASSERT_NE(form, nullptr);
            QWidget* window = desktop.window(*form);
            ASSERT_NE(window, nullptr) << nome << " was never shown";
            EXPECT_TRUE(window->isVisible()) << nome;
            const QImage picture = window->grab().toImage();
            ASSERT_FALSE(picture.isNull());
            EXPECT_GT(picture.width(), 100);
            EXPECT_TRUE(picture.save(QStringLiteral("screenshots/%1.png").arg(nome)));
        };
        auto box = [&](const char* form, const char* control) -> plat::Control& {
            return *app->form(form)->control(control);
        };

        // First start: no agency yet, so AVANTI leads to the settings.
        ga::avvia(*app);
        fotografa("zeltra");
        app->click(box("zeltra", "AVANTI"));
        ASSERT_EQ(shown->texts(), std::vector<std::string>{"L'AGENZIA NON E' STATA PERSONALIZZATA"});
        fotografa("PersonalizzaAgenzia");
        EXPECT_FALSE(desktop.window(*app->form("zeltra"))->isEnabled());

        for (auto [control, text] : {std::pair{"Text1", "AGENZIA MARE"}, {"Text8", "100"},
                                     {"Text9", "10"}, {"Text10", "22"}})
            app->type(box("PersonalizzaAgenzia", control), text);
        app->click(box("PersonalizzaAgenzia", "SALVA"));
        app->click(box("PersonalizzaAgenzia", "ESCI"));

        // Back at the start form; with no data folder yet the chooser opens.
        fotografa("CERCA_CART");
        fs::create_directories(folder / "archivi");
        app->navigate(box("CERCA_CART", "Dir1"), (folder / "archivi").string());
        app->click(box("CERCA_CART", "OK"));
        EXPECT_FALSE(app->form("CERCA_CART")->is_loaded());

        app->click(box("zeltra", "AVANTI"));
        fotografa("MENU");
        EXPECT_EQ(box("MENU", "Label9").text(), "AGENZIA MARE");
        for (const auto& b : shown->shown()) std::cout << "message box: " << b.text << "\n";
    }
    app.reset();
    fs::remove_all(folder);
}

}  // namespace
