// What a user waits for at full capacity: each action driven through the
// program's own entry points (the menu's commands, clicks, a typed name), as
// a user does it, on an archive whose every table is full. Each action runs
// headless and with its windows on the offscreen platform ("/finestre"),
// where the time includes the windows' layout and painting.
//
// Reported per action, in milliseconds: the mean time (the benchmark's Time
// column; its CPU column also counts the untimed resetting between runs),
// `min_ms` the fastest run, `lettura_ms` a bare line read of the files the
// action's records come from (open, read each line, nothing decoded or
// split), and `x_lettura` the fastest run over that read.
//
// Run by scripts/bench.sh, which passes its arguments on
// (--benchmark_filter=..., --benchmark_format=json ...).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QApplication>

#include "archivio_pieno.h"
#include "platform/control.h"
#include "platform/form.h"
#include "records/app.h"

namespace bench {
namespace {

using Orologio = std::chrono::steady_clock;
const std::string kAnnoTesto = std::to_string(kAnno);

// The program under measure, made anew when an action needs a fresh start.
struct Banco {
    const ArchivioPieno& archivio;
    bool finestre;
    std::unique_ptr<Programma> programma;
    int esito = 0;   // exit status of a program started apart
    // Files an action changes, with their bytes before it.
    std::vector<std::pair<std::string, std::string>> originali;

    ga::App& app() { return programma->app(); }
    plat::Form& forma(const char* nome) { return *app().form(nome); }
    plat::Control& campo(const char* forma, const char* controllo) { return app().campo(forma, controllo); }
    void nuovo() {
        programma.reset();
        programma = std::make_unique<Programma>(archivio.programma(), finestre);
    }
    // A command of the menu: its category button, then the command's line.
    void comando(const char* categoria, const char* lista, int riga) {
        app().click(campo("MENU", categoria));
        app().pick(campo("MENU", lista), riga);
    }
    // What the user types into a box, then leaving it.
    void scrivi(plat::Control& box, const std::string& testo) {
        app().type(box, testo);
        app().leave(box);
    }
};

struct Azione {
    std::string nome;
    // Data-folder files whose records the action goes through ("{anno}"
    // stands for the year); program-folder files begin with "programma/".
    std::vector<std::string> file;
    int liberi = 0;   // records left free in bookings, notes and journal
    std::function<void(Banco&)> prepara;   // once, not timed
    std::function<void(Banco&)> azzera;    // before each run, not timed
    std::function<void(Banco&)> esegui;    // the action, timed
    // After the first run: what is wrong with the result, "" when right.
    std::function<std::string(Banco&)> verifica;
    bool solo_finestre = false;   // measured only as the program runs: in its windows
};

std::string percorso(const ArchivioPieno& a, std::string nome) {
    if (const auto k = nome.find("{anno}"); k != std::string::npos) nome.replace(k, 6, kAnnoTesto);
    const std::string prefisso = "programma/";
    if (nome.starts_with(prefisso)) return a.file_programma(nome.substr(prefisso.size()));
    return a.file_dati(nome);
}

// The fastest of a few bare reads of the files, in milliseconds.
double lettura_nuda_ms(const std::vector<std::string>& percorsi) {
    double migliore = std::numeric_limits<double>::max();
    for (int volta = 0; volta < 7; ++volta) {
        const auto t0 = Orologio::now();
        std::size_t righe = 0;
        for (const std::string& p : percorsi) {
            std::ifstream in(p, std::ios::binary);
            std::vector<std::string> lette;
            for (std::string riga; std::getline(in, riga);) lette.push_back(std::move(riga));
            righe += lette.size();
        }
        benchmark::DoNotOptimize(righe);
        migliore = std::min(migliore, std::chrono::duration<double, std::milli>(Orologio::now() - t0).count());
    }
    return migliore;
}

void misura(benchmark::State& state, const Azione& azione, bool finestre) {
    ArchivioPieno archivio(azione.liberi);
    Banco b{archivio, finestre, nullptr, 0, {}};
    b.nuovo();
    if (azione.prepara) azione.prepara(b);
    std::vector<std::string> percorsi;
    for (const std::string& f : azione.file) percorsi.push_back(percorso(archivio, f));
    const double lettura = lettura_nuda_ms(percorsi);

    double minimo = std::numeric_limits<double>::max();
    long volte = 0;
    for (auto _ : state) {
        if (azione.azzera) azione.azzera(b);
        if (finestre) Programma::assesta();
        const auto t0 = Orologio::now();
        azione.esegui(b);
        if (finestre) Programma::assesta();
        const double secondi = std::chrono::duration<double>(Orologio::now() - t0).count();
        state.SetIterationTime(secondi);
        minimo = std::min(minimo, secondi);
        if (volte++ == 0 && azione.verifica) {
            if (const std::string errore = azione.verifica(b); !errore.empty()) {
                state.SkipWithError(errore.c_str());
                break;
            }
        }
    }
    if (volte == 0) return;
    state.counters["min_ms"] = minimo * 1000;
    state.counters["lettura_ms"] = lettura;
    state.counters["x_lettura"] = minimo * 1000 / lettura;
}

std::string righe_attese(plat::Control& lista, int attese) {
    const int n = lista.list_count();
    return n == attese ? "" : "the list holds " + std::to_string(n) + " lines, not " + std::to_string(attese);
}

std::vector<Azione> azioni() {
    std::vector<Azione> out;
    const std::vector<std::string> registri = {"proprietari.IND", "appartamenti.ind", "prenotazioni{anno}.dat",
                                               "clienti.dat", "noteaff{anno}.dat", "saldi{anno}.dat"};

    // The start: the program made and its start form shown.
    out.push_back({"avvio",
                   {"programma/AGENZIA.IND", "programma/BANCHE.IND"},
                   0,
                   nullptr,
                   [](Banco& b) { b.programma.reset(); },
                   [](Banco& b) {
                       b.nuovo();
                       b.programma->avvia();
                   },
                   [](Banco& b) { return b.forma("zeltra").is_visible() ? "" : "no start form"; }});

    // The first activation of the menu: the expired-bookings check, which
    // loads every table (through the booking form's counts) and lists the
    // open bookings already begun and those arriving in the next days.
    out.push_back({"controllo_scadenze", registri, 0, nullptr,
                   [](Banco& b) {
                       b.nuovo();
                       b.programma->avvia();
                   },
                   [](Banco& b) { b.app().click(b.campo("zeltra", "AVANTI")); },
                   [](Banco& b) -> std::string {
                       if (!b.forma("controlloentruscit").is_visible()) return "no warnings window";
                       return b.campo("controlloentruscit", "List1").list_count() > 100
                                  ? ""
                                  : "too few bookings listed";
                   }});

    // The booking page opened from the menu: its load reads every register.
    out.push_back({"pagina_prenotazione", registri, 0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                   },
                   [](Banco& b) {
                       plat::Form& p = b.forma("prenotazione");
                       if (p.is_loaded()) b.app().run([&] { p.unload(); });
                       b.app().run([&] { b.forma("MENU").show(); });
                       b.app().click(b.campo("MENU", "prenotazioni"));
                   },
                   [](Banco& b) { b.app().pick(b.campo("MENU", "List1"), 0); },
                   [](Banco& b) {
                       return b.forma("prenotazione").is_visible() ? "" : "no booking page";
                   }});

    // The bookings view: every booking of the year, one line each.
    out.push_back({"vista_prenotazioni", {"prenotazioni{anno}.dat", "clienti.dat", "saldi{anno}.dat"}, 0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                       b.comando("prenotazioni", "List1", 1);
                   },
                   [](Banco& b) { b.app().run([&] { b.campo("visu_prenotazioni", "List1").clear(); }); },
                   [](Banco& b) { b.app().click(b.campo("visu_prenotazioni", "VEDI")); },
                   [](Banco& b) { return righe_attese(b.campo("visu_prenotazioni", "List1"), 1000); }});

    // The availability view: every free period, with its owner and street.
    out.push_back({"vista_disponibilita", {"periodi{anno}.ind", "appartamenti.ind", "proprietari.IND", "Vie.dat"},
                   0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                       b.comando("disponibilita", "List5", 0);
                       b.app().click(b.campo("visu_disponib", "Check1"));
                   },
                   [](Banco& b) { b.app().run([&] { b.campo("visu_disponib", "List1").clear(); }); },
                   [](Banco& b) { b.app().click(b.campo("visu_disponib", "Command1")); },
                   [](Banco& b) { return righe_attese(b.campo("visu_disponib", "List1"), 500); }});

    // The owner statement: an owner chosen, the whole journal walked.
    out.push_back({"estratto_conto",
                   {"saldi{anno}.dat", "appartamenti.ind", "proprietari.IND", "prenotazioni{anno}.dat"},
                   0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                       b.comando("proprietar", "List3", 4);
                   },
                   [](Banco& b) { b.app().click(b.campo("EstrattoContoPropr", "cambia")); },
                   [](Banco& b) { b.app().pick(b.campo("EstrattoContoPropr", "Combo1"), 0); },
                   [](Banco& b) -> std::string {
                       return b.campo("EstrattoContoPropr", "List1").list_count() > 3 ? ""
                                                                                       : "no statement lines";
                   }});

    // The client search of a client's bookings: the last client of the file,
    // found by name, and the client's bookings listed.
    out.push_back({"ricerca_cliente",
                   {"clienti.dat", "prenotazioni{anno}.dat", "appartamenti.ind", "proprietari.IND"},
                   0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                       b.comando("prenotazioni", "List1", 2);
                   },
                   [](Banco& b) {
                       b.app().run([&] {
                           for (const char* box : {"Text1", "Text5"}) b.campo("VisuPrenotCliente", box).set_text("");
                           b.campo("VisuPrenotCliente", "List1").clear();
                       });
                   },
                   [](Banco& b) {
                       b.scrivi(b.campo("VisuPrenotCliente", "Text1"), b.archivio.clienti().back());
                   },
                   [](Banco& b) -> std::string {
                       if (b.campo("VisuPrenotCliente", "Text5").text() != "1000") return "the client was not found";
                       return b.campo("VisuPrenotCliente", "List1").list_count() > 0 ? "" : "no bookings listed";
                   }});

    // A new booking saved: the note appended, the bookings rewritten, the
    // movement appended, the periods rewritten.
    out.push_back({"salva_prenotazione",
                   {"noteaff{anno}.dat", "prenotazioni{anno}.dat", "saldi{anno}.dat", "periodi{anno}.ind"},
                   1,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.programma->fino_al_menu();
                       for (const char* f : {"noteaff{anno}.dat", "prenotazioni{anno}.dat", "saldi{anno}.dat",
                                             "periodi{anno}.ind", "clienti.dat"}) {
                           const std::string p = percorso(b.archivio, f);
                           b.originali.emplace_back(p, b.archivio.byte(p));
                       }
                   },
                   [](Banco& b) {
                       // The files as they were, and a new page on them.
                       for (const auto& [p, byte] : b.originali) b.archivio.ripristina(p, byte);
                       plat::Form& pagina = b.forma("prenotazione");
                       if (pagina.is_loaded()) b.app().run([&] { pagina.unload(); });
                       b.app().run([&] { b.forma("MENU").show(); });
                       b.comando("prenotazioni", "List1", 0);
                       b.app().pick(b.campo("prenotazione", "Combo1"), 0);
                       b.scrivi(b.campo("prenotazione", "Text8"), b.archivio.clienti()[499]);
                       b.app().click(b.campo("prenotazione", "CONFERMA"));
                       b.app().pick(b.campo("prenotazione", "List1"), 0);
                       b.scrivi(b.campo("prenotazione", "Text20"), "ARRIVO IN MATTINATA");
                   },
                   [](Banco& b) { b.app().click(b.campo("prenotazione", "SALVA")); },
                   [](Banco& b) -> std::string {
                       return b.campo("prenotazione", "Check3").value() == 1 ? "" : "the booking was not saved";
                   }});
    return out;
}

void registra_tutte() {
    static const std::vector<Azione> tutte = azioni();
    for (const Azione& a : tutte)
        for (const bool finestre : {false, true}) {
            if (a.solo_finestre && !finestre) continue;
            benchmark::RegisterBenchmark((a.nome + (finestre ? "/finestre" : "")).c_str(),
                                         [&a, finestre](benchmark::State& s) { misura(s, a, finestre); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    // The windows of the "/finestre" runs draw on no screen, whose platform
    // warns at every window brought to the front, among other notices: only
    // what is worse than a warning is worth a line between the figures.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(testo));
    });
    // A default the caller's own arguments override (the last one counts).
    std::vector<char*> argomenti{argv[0]};
    static char tempo_minimo[] = "--benchmark_min_time=0.3";
    argomenti.push_back(tempo_minimo);
    for (int i = 1; i < argc; ++i) argomenti.push_back(argv[i]);
    int n = static_cast<int>(argomenti.size());
    argomenti.push_back(nullptr);
    benchmark::Initialize(&n, argomenti.data());
    if (benchmark::ReportUnrecognizedArguments(n, argomenti.data())) return 1;

    QApplication qapp(n, argomenti.data());
    bench::registra_tutte();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
