// Every file of the seed corpus (tests/fuzz/corpus/<entry point>/) through
// the entry point it was made for, in every test run: the malformed files
// the fuzz targets start from, and any input they once found to fail, stay
// harmless.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/ingressi.h"

namespace ga::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> semi(const std::string& nome) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(fs::path(FUZZ_CORPUS) / nome, ec))
        if (e.is_regular_file()) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

class Corpus : public ::testing::TestWithParam<Ingresso> {};

TEST_P(Corpus, EverySeedRunsThroughItsEntryPoint) {
    const auto file = semi(GetParam().nome);
    ASSERT_FALSE(file.empty()) << "no seeds for " << GetParam().nome;
    for (const fs::path& f : file) {
        SCOPED_TRACE(f.filename().string());
        std::ifstream in(f, std::ios::binary);
        const std::string byte{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        GetParam().esegui(reinterpret_cast<const std::uint8_t*>(byte.data()), byte.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Ingressi, Corpus, ::testing::ValuesIn(ingressi()),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ga::fuzz
