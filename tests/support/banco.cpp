#include "support/banco.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <sstream>

#include "platform/record_file.h"
#include "platform/text.h"
#include "program/programma.h"
#include "records/percorsi.h"

namespace ga::test {

namespace fs = std::filesystem;

Banco::Banco(plat::Date today) : oggi_(today) {
    static std::atomic<int> numero{0};
    radice_ = fs::temp_directory_path() /
              ("banco_" + std::to_string(getpid()) + "_" + std::to_string(numero++));
    fs::remove_all(radice_);
    fs::create_directories(radice_ / "programma");
    fs::create_directories(radice_ / "dati");
    fs::copy(SOURCE_DATA_FOLDER, radice_ / "programma",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    programma_ = (radice_ / "programma").string() + "/";
    dati_ = (radice_ / "dati").string() + "/";
    crea_app();
}

void Banco::crea_app() {
    plat::Services servizi;
    auto messaggi = std::make_unique<plat::ScriptedMessages>();
    messaggi_ = messaggi.get();
    auto stampante = std::make_unique<plat::RecordingPrinter>();
    stampante_ = stampante.get();
    servizi.messages = std::move(messaggi);
    servizi.printer = std::move(stampante);
    servizi.clock = std::make_unique<plat::FixedClock>(oggi_);
    servizi.user = std::make_unique<plat::FixedUser>("mario");
    servizi.program_folder = programma_;
    app_ = crea_applicazione(std::move(servizi));
    letti_ = 0;
}

void Banco::riavvia() {
    app_.reset();
    crea_app();
    prepara_dati();
}

void Banco::riavvia(plat::Date oggi) {
    oggi_ = oggi;
    riavvia();
}

Banco::~Banco() {
    app_.reset();
    std::error_code ec;
    fs::remove_all(radice_, ec);
}

void Banco::scrivi(const std::string& percorso, const std::vector<std::string>& righe) const {
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    for (const auto& r : righe) out << plat::utf8_to_cp1252(r) << "\r\n";
}

std::vector<std::string> Banco::leggi(const std::string& percorso) const {
    if (!fs::exists(percorso)) return {};
    return plat::read_lines(percorso).value_or(std::vector<std::string>{});
}

std::string Banco::byte(const std::string& percorso) const {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Banco::prepara_dati() {
    App& a = *app_;
    scrivi(programma_ + "cartella.txt", {dati_ + ",$$"});
    a.run([&] {
        a.s.anno_gestione = std::to_string(a.today().year());
        a.imposta("zeltra", "Text17", programma_);
        imposta_percorsi_programma(a);
        a.imposta("MENU", "Text1", dati_);
        imposta_percorsi_dati(a);
    });
}

std::vector<std::string> Banco::nuovi_messaggi() {
    std::vector<std::string> out;
    const auto& shown = messaggi_->shown();
    for (std::size_t i = letti_; i < shown.size(); ++i) out.push_back(shown[i].text);
    letti_ = shown.size();
    return out;
}

}  // namespace ga::test
