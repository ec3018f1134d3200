#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/program_folder.h"

namespace plat {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A shipped tree, an older program folder and the agency's new folder, all
// under one temporary root.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("program_folder_test_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(root_);
        write("shipped/cittaita.ind", "TOWNS");
        write("shipped/ICONA.BMP", "LOGO");
        write("shipped/stampe/prenotazione.xls", "RECEIPT");
        write("shipped/stampe/fattura.xls", "INVOICE");
        // Installed files are read-only; the agency's copies must not be.
        fs::permissions(root_ / "shipped/stampe/fattura.xls",
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void write(const std::string& rel, const std::string& bytes) const {
        fs::create_directories((root_ / rel).parent_path());
        std::ofstream(root_ / rel, std::ios::binary) << bytes;
    }
    std::string read(const std::string& rel) const {
        std::ifstream in(root_ / rel, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool has(const std::string& rel) const { return fs::exists(root_ / rel); }
    std::string at(const std::string& rel) const { return (root_ / rel).string() + "/"; }

    ProgramFolderReport prepare(const std::string& older = "") const {
        return prepare_program_folder(at("agency"), at("shipped"), older.empty() ? "" : at(older));
    }

    fs::path root_;
};

TEST_F(ProgramFolderTest, CopiesInWhatIsMissingAndOverwritesNothing) {
    // The agency edited its receipt template and logo; the rest is missing.
    write("agency/stampe/prenotazione.xls", "OUR RECEIPT");
    write("agency/ICONA.BMP", "OUR LOGO");
    write("agency/AGENZIA.IND", "AGENZIA MARE*");

    ProgramFolderReport r = prepare();
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.shipped_copied, (Names{"cittaita.ind", "stampe/fattura.xls"}));
    EXPECT_EQ(read("agency/cittaita.ind"), "TOWNS");
    EXPECT_EQ(read("agency/stampe/fattura.xls"), "INVOICE");
    EXPECT_EQ(read("agency/stampe/prenotazione.xls"), "OUR RECEIPT");
    EXPECT_EQ(read("agency/ICONA.BMP"), "OUR LOGO");
    EXPECT_EQ(read("agency/AGENZIA.IND"), "AGENZIA MARE*");
    EXPECT_NE(
        fs::status(root_ / "agency/stampe/fattura.xls").permissions() & fs::perms::owner_write,
        fs::perms::none);
    EXPECT_FALSE(has("agency/stampe/fattura.xls.part"));

    // A later start finds everything there; a file the agency deleted comes back.
    fs::remove(root_ / "agency/cittaita.ind");
    r = prepare();
    EXPECT_EQ(r.shipped_copied, Names{"cittaita.ind"});
    EXPECT_EQ(read("agency/stampe/prenotazione.xls"), "OUR RECEIPT");
}

TEST_F(ProgramFolderTest, CarriesTheAgencyFilesOverOnceAndLeavesTheOriginals) {
    write("older/AGENZIA.IND", "AGENZIA MARE*");
    write("older/BANCHE.IND", "BANCA,MARIO");
    write("older/ICONA.BMP", "OLD LOGO");  // a shipped file: not the agency's to carry

    ProgramFolderReport r = prepare("older");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.agency_carried, (Names{"AGENZIA.IND", "BANCHE.IND"}));
    EXPECT_EQ(read("agency/AGENZIA.IND"), "AGENZIA MARE*");
    EXPECT_EQ(read("agency/BANCHE.IND"), "BANCA,MARIO");
    EXPECT_EQ(read("agency/ICONA.BMP"), "LOGO");
    EXPECT_EQ(read("older/AGENZIA.IND"), "AGENZIA MARE*");
    EXPECT_EQ(read("older/BANCHE.IND"), "BANCA,MARIO");

    // Once the new folder holds any agency file, the older folder is left alone.
    write("older/cartella.txt", "/dati/,$$");
    write("agency/AGENZIA.IND", "AGENZIA NUOVA*");
    EXPECT_EQ(prepare("older").agency_carried, Names{});
    EXPECT_FALSE(has("agency/cartella.txt"));
    EXPECT_EQ(read("agency/AGENZIA.IND"), "AGENZIA NUOVA*");

    // The older folder named as the program folder itself carries nothing.
    EXPECT_EQ(prepare_program_folder(at("older"), at("shipped"), at("older")).agency_carried,
              Names{});
}

TEST_F(ProgramFolderTest, SaysWhyTheFolderCannotBeMade) {
    write("file", "x");
    EXPECT_EQ(prepare_program_folder(at("file") + "agency/", at("shipped"), "").error,
              "IMPOSSIBILE CREARE LA CARTELLA DEL PROGRAMMA " + at("file") + "agency/");
    EXPECT_EQ(prepare_program_folder(at("agency"), at("nowhere"), "").error,
              "NON TROVO I FILE DEL PROGRAMMA IN " + at("nowhere"));
}

}  // namespace
}  // namespace plat
