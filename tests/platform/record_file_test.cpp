#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/folder_lock.h"
#include "platform/record_file.h"
#include "platform/save_unit.h"
#include "support/disco_pieno.h"

namespace plat {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("record_file_test_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    void write_bytes(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path(name), std::ios::binary);
        out << bytes;
    }
    std::string read_bytes(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The folder's files, the lock a save takes there apart.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            if (!is_lock_file(e.path().filename().string())) names.push_back(e.path().filename());
        return names;
    }
    fs::path dir_;
};

using FullDisk = ga::test::DiscoPieno;

TEST(Cp1252, ConvertsAgencyTextBothWays) {
    const std::string text = "PERCHÉ È €";
    const std::string bytes = "PERCH\xC9 \xC8 \x80";
    EXPECT_EQ(utf8_to_cp1252(text), bytes);
    EXPECT_EQ(cp1252_to_utf8(bytes), text);

    // The 0x80..0x9F block, where Windows-1252 differs from Latin-1.
    const std::string high = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    const std::string high_bytes =
        "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96"
        "\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";
    EXPECT_EQ(utf8_to_cp1252(high), high_bytes);
    EXPECT_EQ(cp1252_to_utf8(high_bytes), high);
    // The five bytes the code page leaves undefined keep their Latin-1 value.
    EXPECT_EQ(cp1252_to_utf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(Cp1252, MissingCharactersAndBrokenUtf8BecomeQuestionMarks) {
    // One "?" per character the code page lacks, however many bytes it has.
    EXPECT_EQ(utf8_to_cp1252("aΩ日😀b"), "a???b");
    // C1 controls that Windows-1252 uses for other letters.
    EXPECT_EQ(utf8_to_cp1252("\u0080\u0081"), "?\x81");
    // Truncated, stray, overlong and surrogate sequences: one "?" per byte.
    EXPECT_EQ(utf8_to_cp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8_to_cp1252("\xE2\x82z"), "??z");
    EXPECT_EQ(utf8_to_cp1252("\x80"), "?");
    EXPECT_EQ(utf8_to_cp1252("\xC0\xAF"), "??");
    EXPECT_EQ(utf8_to_cp1252("\xED\xA0\x80"), "???");
}

TEST_F(RecordFileTest, ReadsCrLfAndLfLines) {
    write_bytes("crlf.txt", "a*1\r\nb*2\r\n");
    EXPECT_EQ(read_lines(path("crlf.txt")), (Lines{"a*1", "b*2"}));

    write_bytes("lf.txt", "a*1\nb*2\n");
    EXPECT_EQ(read_lines(path("lf.txt")), (Lines{"a*1", "b*2"}));

    // A last line without its end counts; empty lines in the middle are kept.
    write_bytes("mixed.txt", "a\r\n\r\n\nb\r\nlast");
    EXPECT_EQ(read_lines(path("mixed.txt")), (Lines{"a", "", "", "b", "last"}));

    write_bytes("one_empty.txt", "\r\n");
    EXPECT_EQ(read_lines(path("one_empty.txt")), Lines{""});

    write_bytes("empty.txt", "");
    EXPECT_EQ(read_lines(path("empty.txt")), Lines{});

    write_bytes("cp1252.txt", "Citt\xE0*\x80 10\r\n");
    EXPECT_EQ(read_lines(path("cp1252.txt")), Lines{"Città*€ 10"});
}

TEST_F(RecordFileTest, MissingFileIsCreatedEmpty) {
    EXPECT_FALSE(file_exists(path("new.txt")));
    EXPECT_EQ(read_lines(path("new.txt")), Lines{});
    EXPECT_TRUE(file_exists(path("new.txt")));
    EXPECT_EQ(read_bytes("new.txt"), "");
}

TEST_F(RecordFileTest, NoLinesWhenTheFileCanBeNeitherReadNorCreated) {
    EXPECT_EQ(read_lines(path("missing/reg.txt")), std::nullopt);
    EXPECT_FALSE(folder_exists(path("missing")));

    fs::create_directory(dir_ / "sub");
    EXPECT_TRUE(folder_exists(path("sub")));
    EXPECT_FALSE(file_exists(path("sub")));
    EXPECT_EQ(read_lines(path("sub")), std::nullopt);

    // A "folder" that is a file: nothing can be created under it.
    write_bytes("plain.txt", "x\r\n");
    EXPECT_EQ(read_lines(path("plain.txt/reg.txt")), std::nullopt);
    EXPECT_EQ(read_bytes("plain.txt"), "x\r\n");
    // A file that opens but cannot be read (an I/O error, even for root).
    EXPECT_EQ(read_lines("/proc/self/mem"), std::nullopt);
}

TEST_F(RecordFileTest, ReadingStopsAtTheLinesAskedForAndALoneCrIsABlank) {
    std::string big;
    for (int i = 0; i < 200000; ++i) big += "riga*" + std::to_string(i) + "\r\n";
    write_bytes("big.txt", big);
    EXPECT_EQ(read_lines(path("big.txt"), 3), (Lines{"riga*0", "riga*1", "riga*2"}));
    EXPECT_EQ(read_lines(path("big.txt"), 0), Lines{});
    int seen = 0;
    EXPECT_TRUE(read_lines_each(path("big.txt"), [&](std::string_view) { return ++seen < 5; }));
    EXPECT_EQ(seen, 5);

    // A CR alone is no line end here, and no record holds a line break.
    write_bytes("cr.txt", "a\rb*c\r\nd\r");
    EXPECT_EQ(read_lines(path("cr.txt")), (Lines{"a b*c", "d"}));
}

// The whole-file reader of the loaders hands on exactly what the line
// reader does, and says first how many lines: across its eight-byte ASCII
// test (a byte past ASCII or a CR at every place of a word), across the line
// reader's blocks, and for a missing or unreadable file.
TEST_F(RecordFileTest, ReadingAWholeFileGivesTheLinesTheLineReaderGivesAndTheirCount) {
    std::vector<std::string> contents = {"", "\r\n", "a\r\n\r\n\nb\r\nlast", "Citt\xE0*\x80 10\r\n",
                                         "a\rb*c\r\nd\r"};
    for (int at = 0; at < 17; ++at) {
        std::string plain(20, 'x');
        std::string high = plain, cr = plain;
        high[static_cast<std::size_t>(at)] = '\xE8';
        cr[static_cast<std::size_t>(at)] = '\r';
        contents.push_back(plain + "\r\n" + high + "\r\n" + cr + "\r\n");
    }
    std::string big;
    for (int i = 0; i < 60000; ++i)
        big += "riga*" + std::to_string(i) + (i % 7 ? "\r\n" : "\xE0\r\n");
    contents.push_back(big);
    // One line longer than any block a reader starts with.
    contents.push_back("a\r\n" + std::string(600000, 'y') + "\r\nz");
    const auto whole = [&](const std::string& bytes) {
        write_bytes("f.txt", bytes);
        Lines all;
        std::size_t told = 99;
        EXPECT_TRUE(read_all_lines(
            path("f.txt"), [&](std::size_t n) { told = all.empty() ? n : 0; },
            [&](std::string_view l) {
                all.emplace_back(l);
                return true;
            }));
        EXPECT_EQ(told, all.size());
        return all;
    };
    for (std::size_t k = 0; k < contents.size(); ++k) {
        SCOPED_TRACE(k);
        const Lines all = whole(contents[k]);
        EXPECT_EQ(std::optional(all), read_lines(path("f.txt")));
    }
    // Each against its own spelling out, not only against the other reader.
    for (std::size_t at = 0; at < 17; ++at) {
        SCOPED_TRACE(at);
        const std::string x(20, 'x');
        const Lines expected = {x, x.substr(0, at) + "\u00E8" + x.substr(at + 1),
                                x.substr(0, at) + " " + x.substr(at + 1)};
        EXPECT_EQ(whole(contents[5 + at]), expected);
    }

    std::size_t told = 99;
    const auto none = [](std::string_view) { return true; };
    EXPECT_TRUE(read_all_lines(
        path("new.txt"), [&](std::size_t n) { told = n; }, none));
    EXPECT_EQ(told, 0u);
    EXPECT_TRUE(file_exists(path("new.txt")));
    EXPECT_FALSE(read_all_lines(
        path("missing/reg.txt"), [](std::size_t) {}, none));
    EXPECT_FALSE(read_all_lines(
        "/proc/self/mem", [](std::size_t) {}, none));
}

TEST_F(RecordFileTest, RewriteWritesCrLfInWindows1252AndLeavesNoTemporaryFile) {
    write_bytes("reg.txt", "old line that is much longer than the new content\r\nsecond\r\n");
    ASSERT_TRUE(rewrite_lines(path("reg.txt"), {"PERCHÉ È €", "", "2*x"}));
    EXPECT_EQ(read_bytes("reg.txt"), "PERCH\xC9 \xC8 \x80\r\n\r\n2*x\r\n");
    EXPECT_EQ(read_lines(path("reg.txt")), (Lines{"PERCHÉ È €", "", "2*x"}));
    EXPECT_EQ(entries(), std::vector<std::string>{"reg.txt"});

    ASSERT_TRUE(rewrite_lines(path("reg.txt"), {}));
    EXPECT_EQ(read_bytes("reg.txt"), "");

    ASSERT_TRUE(rewrite_lines(path("fresh.txt"), {"x"}));
    EXPECT_EQ(read_bytes("fresh.txt"), "x\r\n");

    // The lines already joined: the same bytes.
    ASSERT_TRUE(rewrite_record_text(path("reg.txt"), "PERCHÉ È €\r\n\r\n2*x\r\n"));
    EXPECT_EQ(read_bytes("reg.txt"), "PERCH\xC9 \xC8 \x80\r\n\r\n2*x\r\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"fresh.txt", "reg.txt"}));
}

TEST_F(RecordFileTest, FailedRewriteKeepsTheOldFile) {
    // Target is a folder: nothing replaces it and no temporary file remains.
    fs::create_directory(dir_ / "reg.txt");
    EXPECT_FALSE(rewrite_lines(path("reg.txt"), {"a"}));
    EXPECT_TRUE(folder_exists(path("reg.txt")));
    EXPECT_EQ(entries(), std::vector<std::string>{"reg.txt"});

    EXPECT_FALSE(rewrite_lines(path("missing/reg.txt"), {"a"}));
    EXPECT_FALSE(folder_exists(path("missing")));
}

TEST_F(RecordFileTest, RewriteThatCannotBeCompletedKeepsTheOldFile) {
    // /proc refuses new files even to root.
    if (file_exists("/proc/version")) {
        const Lines before = read_lines("/proc/version").value_or(Lines{});
        EXPECT_FALSE(rewrite_lines("/proc/version", {"x"}));
        EXPECT_EQ(read_lines("/proc/version"), before);
    }

    // A full disk: the temporary file cannot take the new lines.
    write_bytes("reg.txt", "old\r\n");
    {
        FullDisk full(8);
        EXPECT_FALSE(rewrite_lines(path("reg.txt"), {"a much longer new line"}));
    }
    EXPECT_EQ(read_bytes("reg.txt"), "old\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"reg.txt"});

    // A folder that is a file.
    EXPECT_FALSE(rewrite_lines(path("reg.txt/inner.txt"), {"new"}));
    EXPECT_FALSE(append_line(path("reg.txt/inner.txt"), "new"));
    EXPECT_EQ(read_bytes("reg.txt"), "old\r\n");
}

TEST_F(RecordFileTest, AFailedAppendLeavesTheFileAsItWas) {
    const std::string before = "01/12/2026*0001*100\r\n";
    write_bytes("saldi.dat", before);
    {
        // Room for "09/12/" and no more.
        FullDisk full(before.size() + 6);
        EXPECT_FALSE(append_line(path("saldi.dat"), "09/12/2026*0002*200"));
        EXPECT_EQ(read_bytes("saldi.dat"), before);
    }
    {
        // An unended last line is closed in the same write, or not at all.
        write_bytes("open.dat", "a");
        FullDisk full(5);
        EXPECT_FALSE(append_line(path("open.dat"), "09/12/2026*0002*200"));
        EXPECT_EQ(read_bytes("open.dat"), "a");
    }
    // Once there is room again the next append is one whole line.
    EXPECT_TRUE(append_line(path("saldi.dat"), "10/12/2026*0003*300"));
    EXPECT_EQ(read_bytes("saldi.dat"), before + "10/12/2026*0003*300\r\n");
}

TEST_F(RecordFileTest, AppendAddsOneCrLfLine) {
    EXPECT_TRUE(append_line(path("log.txt"), "primo è"));
    EXPECT_TRUE(append_line(path("log.txt"), ""));
    EXPECT_TRUE(append_line(path("log.txt"), "terzo"));
    EXPECT_EQ(read_bytes("log.txt"), "primo \xE8\r\n\r\nterzo\r\n");

    // A last line left without its end is closed, not glued to the new one.
    write_bytes("open.txt", "a\r\nb");
    EXPECT_TRUE(append_line(path("open.txt"), "c"));
    EXPECT_EQ(read_lines(path("open.txt")), (Lines{"a", "b", "c"}));
    write_bytes("lf.txt", "a\n");
    EXPECT_TRUE(append_line(path("lf.txt"), "c"));
    EXPECT_EQ(read_bytes("lf.txt"), "a\nc\r\n");

    EXPECT_FALSE(append_line(path("missing/log.txt"), "x"));
    fs::create_directory(dir_ / "sub");
    EXPECT_FALSE(append_line(path("sub"), "x"));
}

// What a start finds of saves that did not end: a record that is not whole
// never counted, and the temporary files of ours no record names are
// removed; a file of the user's named like one is no temporary of ours.
TEST_F(RecordFileTest, AStartDiscardsARecordCutShortAndRemovesOnlyOurLeftoverTemporaryFiles) {
    const std::string left_over = fs::path(temporary_name_for(path("saldi.dat"))).filename();
    write_bytes("saldi.dat", "old\r\n");
    write_bytes(left_over, "new\r\n");
    write_bytes(std::string(kSaveRecordName), "SALVATAGGIO 1\nR 9:" + path(left_over));
    EXPECT_EQ(complete_interrupted_save(dir_.string() + "/"), Recovery::discarded);
    EXPECT_EQ(read_bytes("saldi.dat"), "old\r\n");

    for (const char* user : {"preventivo.tmp2024-05", "foto.tmp1-1", "note.dat.tmp1-x"})
        write_bytes(user, "x");
    remove_leftover_temporaries(dir_.string() + "/");
    std::vector<std::string> left = entries();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (Lines{"foto.tmp1-1", "note.dat.tmp1-x", "preventivo.tmp2024-05", "saldi.dat"}));
    EXPECT_EQ(complete_interrupted_save(dir_.string() + "/"), Recovery::none);
}

}  // namespace
}  // namespace plat
