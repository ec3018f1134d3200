// The real program in its windows: built with scripted services over a copy
// of the shipped program folder, started, and its start window saved as a
// picture (screenshots/ under the working folder) for a person to look at.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>

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

TEST(Smoke, TheProgramStartsAndShowsItsStartWindow) {
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
        ga::avvia(*app);
        QTest::qWait(200);

        plat::Form* start = app->form("zeltra");
        ASSERT_NE(start, nullptr);
        QWidget* window = desktop.window(*start);
        ASSERT_NE(window, nullptr) << "the start form was never shown";
        const QImage picture = window->grab().toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(picture.width(), 0);
        EXPECT_GT(picture.height(), 0);
        QDir().mkpath(QStringLiteral("screenshots"));
        EXPECT_TRUE(picture.save(QStringLiteral("screenshots/zeltra.png")));
        for (const auto& box : shown->shown()) std::cout << "message box: " << box.text << "\n";
    }
    app.reset();
    fs::remove_all(folder);
}

}  // namespace
