// Where the program keeps its folder (option, environment, the user's data
// folder), and what the user is told when the agency's files move there.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "gui/program_folder.h"
#include "platform/scripted.h"
#include "qt_app.h"

namespace {

using gui::program_folder_location;

TEST(ProgramFolder, TheOptionThenTheEnvironmentThenTheUsersDataFolder) {
    gui_test::qt_app();
    qunsetenv(gui::kProgramFolderVariable);
    const QString user_data =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
    EXPECT_EQ(program_folder_location({"prog"}), user_data);

    qputenv(gui::kProgramFolderVariable, "/tmp/agenzia2");
    EXPECT_EQ(program_folder_location({"prog"}), "/tmp/agenzia2/");
    EXPECT_EQ(program_folder_location({"prog", "--cartella-programma", "/tmp/a/../agenzia3/"}),
              "/tmp/agenzia3/");
    EXPECT_EQ(program_folder_location({"prog", "--cartella-programma=/tmp/agenzia4"}),
              "/tmp/agenzia4/");
    EXPECT_EQ(program_folder_location({"prog", "--cartella-programma"}), std::nullopt);
    qunsetenv(gui::kProgramFolderVariable);
}

TEST(ProgramFolder, TheUserIsToldOnceWhereTheAgencyFilesNowLive) {
    QTemporaryDir root;
    const QString shipped = root.filePath("share"), older = root.filePath("bin/data");
    const QString folder = root.filePath("agenzia");
    std::filesystem::create_directories(shipped.toStdString() + "/stampe");
    std::filesystem::create_directories(older.toStdString());
    std::ofstream(shipped.toStdString() + "/cittaita.ind") << "ROMA";
    std::ofstream(older.toStdString() + "/AGENZIA.IND") << "AGENZIA MARE*";
    std::ofstream(older.toStdString() + "/cartella.txt") << "/dati/,$$";

    plat::ScriptedMessages messages;
    const QStringList args{"prog", "--cartella-programma", folder};
    EXPECT_EQ(gui::prepare_program_folder(args, shipped, older, messages),
              folder.toStdString() + "/");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              "I FILE DELL'AGENZIA (AGENZIA.IND, cartella.txt) SONO STATI COPIATI\rDA: " +
                  older.toStdString() + "/\rIN: " + folder.toStdString() +
                  "/\rD'ORA IN POI IL PROGRAMMA USA QUELLI DELLA NUOVA CARTELLA;"
                  " LA VECCHIA COPIA RESTA DOV'ERA.");
    EXPECT_TRUE(QFile::exists(folder + "/cittaita.ind"));
    EXPECT_TRUE(QFile::exists(folder + "/stampe"));

    messages.forget();
    EXPECT_TRUE(gui::prepare_program_folder(args, shipped, older, messages));
    EXPECT_TRUE(messages.shown().empty());

    // A folder that cannot be made: the reason is shown and the program does not start.
    const QStringList blocked{"prog", "--cartella-programma", folder + "/cittaita.ind/x"};
    EXPECT_EQ(gui::prepare_program_folder(blocked, shipped, older, messages), std::nullopt);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].icon, plat::Icon::Critical);
}

}  // namespace
