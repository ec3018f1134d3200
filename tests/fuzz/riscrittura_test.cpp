// The rewrite property of every register, over its seeds and over the
// damaged files a hand or an older program leaves: blank lines, lines
// without separators, lines with extra fields, very long lines, odd line
// ends. Whatever the file, a rewrite gives back every line it did not change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/ingressi.h"

namespace ga::fuzz {
namespace {

namespace fs = std::filesystem;

std::string leggi(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The register's own good file with damaged lines around and among its
// records, each a case of its own.
std::vector<std::pair<std::string, std::string>> danneggiati(const std::string& buona) {
    const std::string r = buona.substr(0, buona.find("\r\n"));
    const char sep = r.find('*') != std::string::npos ? '*' : ',';
    const std::string extra = r + sep + "CAMPO IN PIU" + sep + sep + "ALTRO";
    return {
        {"blank line between records", r + "\r\n\r\n" + r + "\r\n"},
        {"blank first line", "\r\n" + r + "\r\n"},
        {"only blank lines", "\r\n \r\n\r\n"},
        {"line without separators", r + "\r\nRIGA SENZA SEPARATORI\r\n" + r + "\r\n"},
        {"extra fields", extra + "\r\n" + r + "\r\n"},
        {"only extra fields", extra + "\r\n"},
        {"two fields", std::string("0001") + sep + "CAMPI POCHI\r\n" + r + "\r\n"},
        {"only separators", std::string(30, sep) + "\r\n" + r + "\r\n"},
        {"very long line", r + std::string(100000, 'L') + "\r\n" + r + "\r\n"},
        {"LF line ends and no last end", r + "\n" + r + "\n" + r},
        {"lone CR inside a line", r + "\r" + r + "\r\n"},
        {"high bytes", r + "\xE0\x81\x9D\xFF" + sep + "\xC8\r\n"},
        {"CANC record", "CANC" + std::string(1, sep) + r + "\r\n" + r + "\r\n"},
    };
}

class Riscrittura : public ::testing::TestWithParam<std::string> {};

TEST_P(Riscrittura, EveryLineTheRewriteDidNotChangeComesBackAsItWas) {
    const std::string registro = GetParam();
    const fs::path semi = fs::path(FUZZ_CORPUS) / ("riscrivi_" + registro);
    std::vector<std::pair<std::string, std::string>> casi = danneggiati(leggi(semi / "valido"));
    for (const auto& e : fs::directory_iterator(semi))
        casi.emplace_back(e.path().filename().string(), leggi(e.path()));
    for (const auto& [nome, byte] : casi)
        EXPECT_EQ(verifica_riscrittura(registro, byte), "") << registro << ": " << nome;
}

INSTANTIATE_TEST_SUITE_P(Registri, Riscrittura, ::testing::ValuesIn(registri_riscritti()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace ga::fuzz
