// What a user waits for at full capacity and beyond: each action driven
// through the program's own entry points (the menu's commands, clicks, a
// typed name), as a user does it, on an archive whose every register holds
// the design figures ("/x10", "/x30", "/x100": that many times as many
// records in every register). Each action runs with its windows on the
// offscreen platform ("/finestre") at every scale, where the time runs from
// the user's pick or click to the windows laid out and painted, and
// headless at the first scale.
//
// Every form is opened as the user opens it (the menu's command, or the
// button of the form it is opened from), twice over: "prima", its first
// open in a program just started to the menu, and "riapertura", opened again
// in the same program after it was closed (unloaded). The views are timed
// from the menu's pick to their list filled (the pick and the search, as one
// action).
//
// Reported per action, in milliseconds, over its runs (--volte=N, 5 by
// default): `median_ms`, `min_ms`, `max_ms`; the benchmark's Time column is
// the mean. Some actions also give `lettura_ms`, a bare line read of the
// files the action's records come from (open, read each line, nothing
// decoded or split), and `x_lettura`, the median over that read.
//
// Run by scripts/bench.sh, which passes its arguments on
// (--benchmark_filter=..., --benchmark_format=json, --volte=N ...).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QApplication>

#include "archivio_pieno.h"
#include "gui/stile.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/scripted.h"
#include "records/app.h"

namespace bench {
namespace {

using Orologio = std::chrono::steady_clock;
const std::string kAnnoTesto = std::to_string(kAnno);
// The periods' file of the year after, which their carry-over writes.
const std::string kProssimoAnno = "periodi" + std::to_string(kAnno + 1) + ".ind";
// Runs of each action; --volte=N changes it.
int volte_per_azione = 5;

// The program under measure, made anew when an action needs a fresh start.
struct Banco {
    const ArchivioPieno& archivio;
    bool finestre;
    std::unique_ptr<Programma> programma;
    // Files an action changes, with their bytes before it.
    std::vector<std::pair<std::string, std::string>> originali;
    // The forms loaded when the program stood at its menu.
    std::vector<std::string> al_menu;

    ga::App& app() { return programma->app(); }
    plat::Form& forma(const char* nome) { return *app().form(nome); }
    plat::Control& campo(const char* forma, const char* controllo) {
        return app().campo(forma, controllo);
    }
    void nuovo() {
        programma.reset();
        programma = std::make_unique<Programma>(archivio.programma(), finestre);
    }
    // A new program, started as a user starts it, up to its menu.
    void fino_al_menu() {
        nuovo();
        programma->avvia();
        programma->fino_al_menu();
        al_menu.clear();
        for (plat::Form* f : app().forms())
            if (f->is_loaded()) al_menu.push_back(f->name());
    }
    // Back to the menu after a form was opened: the form closed (unloaded)
    // with every form loaded since the menu stood, the menu shown and enabled.
    void torna_al_menu(const char* forma_aperta) {
        app().run([&] {
            for (plat::Form* f : app().forms()) {
                const bool c_era =
                    std::find(al_menu.begin(), al_menu.end(), f->name()) != al_menu.end();
                if (f->is_loaded() && (!c_era || f->name() == forma_aperta)) f->unload();
            }
            plat::Form& menu = forma("MENU");
            menu.set_enabled(true);
            menu.show();
        });
    }
    // A command of the menu: its category button, then the command's line.
    void comando(const char* categoria, const char* lista, int riga) {
        app().click(campo("MENU", categoria));
        app().pick(campo("MENU", lista), riga);
    }
    // What the user types into a box, from entering it to leaving it.
    void scrivi(plat::Control& box, const std::string& testo) {
        app().enter(box);
        app().type(box, testo);
        app().leave(box);
    }
};

struct Azione {
    std::string nome;
    // Data-folder files whose records the action goes through ("{anno}"
    // stands for the year); program-folder files begin with "programma/".
    std::vector<std::string> file;
    int liberi = 0;                       // records left free in bookings, notes and journal
    std::function<void(Banco&)> prepara;  // once, not timed
    std::function<void(Banco&)> azzera;   // before each run, not timed
    std::function<void(Banco&)> esegui;   // the action, timed
    // After each run: what is wrong with the result, "" when right.
    std::function<std::string(Banco&)> verifica;
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
        migliore = std::min(
            migliore, std::chrono::duration<double, std::milli>(Orologio::now() - t0).count());
    }
    return migliore;
}

// The figures of each action as measured, for the summary after the run.
struct Cifre {
    double mediana, minimo, massimo;
};
std::map<std::string, Cifre>& cifre() {
    static std::map<std::string, Cifre> tutte;
    return tutte;
}
void misura(benchmark::State& state, const Azione& azione, bool finestre, int scala,
            const std::string& nome) {
    ArchivioPieno archivio(azione.liberi, scala, true);
    Banco b{archivio, finestre, nullptr, {}, {}};
    b.nuovo();
    if (azione.prepara) azione.prepara(b);

    std::vector<double> tempi;
    bool errore_trovato = false;
    for (auto _ : state) {
        if (azione.azzera) azione.azzera(b);
        if (finestre) Programma::assesta();
        const auto t0 = Orologio::now();
        azione.esegui(b);
        if (finestre) Programma::assesta();
        const double secondi = std::chrono::duration<double>(Orologio::now() - t0).count();
        state.SetIterationTime(secondi);
        tempi.push_back(secondi * 1000);
        // Every run is checked: a run that did not do its work is no figure.
        if (azione.verifica) {
            if (const std::string errore = azione.verifica(b); !errore.empty()) {
                state.SkipWithError(errore.c_str());
                errore_trovato = true;
                break;
            }
        }
    }
    if (tempi.empty() || errore_trovato) return;
    std::sort(tempi.begin(), tempi.end());
    const std::size_t n = tempi.size();
    const double mediana = n % 2 ? tempi[n / 2] : (tempi[n / 2 - 1] + tempi[n / 2]) / 2;
    state.counters["median_ms"] = mediana;
    state.counters["min_ms"] = tempi.front();
    state.counters["max_ms"] = tempi.back();
    cifre()[nome] = {mediana, tempi.front(), tempi.back()};
    if (!azione.file.empty()) {
        std::vector<std::string> percorsi;
        for (const std::string& f : azione.file) percorsi.push_back(percorso(archivio, f));
        const double lettura = lettura_nuda_ms(percorsi);
        state.counters["lettura_ms"] = lettura;
        state.counters["x_lettura"] = mediana / lettura;
    }
}

std::string righe_attese(plat::Control& lista, int attese) {
    const int n = lista.list_count();
    return n == attese
               ? ""
               : "the list holds " + std::to_string(n) + " lines, not " + std::to_string(attese);
}

// How a form is opened by the user, from the program standing at its menu.
struct Apertura {
    const char* forma;
    // Not timed: what comes before the pick or click that opens it (the
    // menu's category opened, the form it is opened from filled in).
    std::function<void(Banco&)> prima;
    // Timed: the pick or click that opens it, and for a view its search.
    std::function<void(Banco&)> apri;
    // Besides the form being shown: what is wrong with it, "" when right.
    std::function<std::string(Banco&)> verifica = nullptr;
    // How the user closes it, where it is not unloaded (a form the program
    // keeps loaded for its records is closed by its own exit).
    std::function<void(Banco&)> chiudi = nullptr;
};

// A command of the menu: the category opened beforehand, the line picked.
Apertura dal_menu(const char* forma, const char* categoria, const char* lista, int riga) {
    return {forma, [=](Banco& b) { b.app().click(b.campo("MENU", categoria)); },
            [=](Banco& b) { b.app().pick(b.campo("MENU", lista), riga); }};
}
// A button of the menu that opens a form at once.
Apertura bottone_del_menu(const char* forma, const char* bottone) {
    return {forma, nullptr, [=](Banco& b) { b.app().click(b.campo("MENU", bottone)); }};
}

// A client's bookings listed (the client typed in the form's box), and the
// first line that the form offers the given button for picked.
void scegli_prenotazione(Banco& b, const char* bottone) {
    b.scrivi(b.campo("VisuPrenotCliente", "Text1"), b.archivio.cliente_con_prenotazione_aperta());
    plat::Control& lista = b.campo("VisuPrenotCliente", "List1");
    for (int riga = 0; riga < lista.list_count(); ++riga) {
        b.app().pick(lista, riga);
        if (b.campo("VisuPrenotCliente", bottone).visible()) return;
    }
}

std::vector<Apertura> aperture() {
    std::vector<Apertura> out;
    // The menu's commands.
    out.push_back(dal_menu("prenotazione", "prenotazioni", "List1", 0));
    out.push_back(
        {"visu_prenotazioni", [](Banco& b) { b.app().click(b.campo("MENU", "prenotazioni")); },
         [](Banco& b) {
             b.app().pick(b.campo("MENU", "List1"), 1);
             b.app().click(b.campo("visu_prenotazioni", "VEDI"));
         },
         [](Banco& b) {
             return righe_attese(b.campo("visu_prenotazioni", "List1"), b.archivio.prenotazioni());
         }});
    out.push_back(dal_menu("VisuPrenotCliente", "prenotazioni", "List1", 2));
    out.push_back(dal_menu("TROVA_PRENOT", "prenotazioni", "List1", 4));
    out.push_back(dal_menu("NotaPrenot", "prenotazioni", "List1", 5));
    out.push_back(dal_menu("appartament", "appartamenti", "List2", 0));
    out.push_back(
        {"visu_disponib", [](Banco& b) { b.app().click(b.campo("MENU", "disponibilita")); },
         [](Banco& b) {
             b.app().pick(b.campo("MENU", "List5"), 0);
             b.app().click(b.campo("visu_disponib", "Check1"));
             b.app().click(b.campo("visu_disponib", "Command1"));
         },
         [](Banco& b) {
             return righe_attese(b.campo("visu_disponib", "List1"), b.archivio.periodi() / 2);
         }});
    out.push_back(dal_menu("PROPRIETARI", "proprietar", "List3", 0));
    out.push_back(dal_menu("SaldoProprietario", "proprietar", "List3", 1));
    out.push_back(dal_menu("spese", "proprietar", "List3", 2));
    out.push_back(dal_menu("VEDISALDI", "proprietar", "List3", 3));
    out.push_back(dal_menu("EstrattoContoPropr", "proprietar", "List3", 4));
    out.push_back(dal_menu("fattura", "proprietar", "List3", 5));
    out.push_back(dal_menu("insnomi", "client", "List4", 0));
    out.push_back(dal_menu("RESTCAUZ", "client", "List4", 3));
    out.push_back(bottone_del_menu("menustampa", "stampe"));
    out.push_back(bottone_del_menu("utilita", "utilit"));
    out.push_back(bottone_del_menu("INFO", "Command1"));

    // Forms opened by another form's button.
    auto utilita = [](Banco& b) { b.app().click(b.campo("MENU", "utilit")); };
    out.push_back({"PersonalizzaAgenzia", utilita,
                   [](Banco& b) { b.app().click(b.campo("utilita", "Command2")); }});
    out.push_back(
        {"CERCA_CART", utilita, [](Banco& b) { b.app().click(b.campo("utilita", "Command1")); }});
    const char* archivi[] = {"Trasferisciper", "Dest_arch", "Rec_arch"};
    for (int riga = 0; riga < 3; ++riga)
        out.push_back({archivi[riga],
                       [](Banco& b) {
                           b.app().click(b.campo("MENU", "utilit"));
                           b.app().click(b.campo("utilita", "Command4"));
                       },
                       [riga](Banco& b) { b.app().pick(b.campo("utilita", "List1"), riga); }});
    out.push_back({"COORDBANCA",
                   [](Banco& b) {
                       b.comando("proprietar", "List3", 0);
                       b.app().click(b.campo("PROPRIETARI", "MODIFICA"));
                       b.scrivi(b.campo("PROPRIETARI", "Combo1"), b.archivio.proprietari()[4]);
                   },
                   [](Banco& b) { b.app().click(b.campo("PROPRIETARI", "iconbanc")); }, nullptr,
                   [](Banco& b) { b.app().click(b.campo("COORDBANCA", "USCITA")); }});
    out.push_back({"ModPeriodi",
                   [](Banco& b) {
                       b.comando("disponibilita", "List5", 0);
                       b.app().click(b.campo("visu_disponib", "Check1"));
                       b.app().click(b.campo("visu_disponib", "Command1"));
                   },
                   [](Banco& b) { b.app().pick(b.campo("visu_disponib", "List1"), 0); }});
    out.push_back({"saldoaff",
                   [](Banco& b) {
                       b.comando("prenotazioni", "List1", 2);
                       scegli_prenotazione(b, "SALDO");
                   },
                   [](Banco& b) { b.app().click(b.campo("VisuPrenotCliente", "SALDO")); }});
    out.push_back({"REVOCAPREN",
                   [](Banco& b) {
                       b.comando("prenotazioni", "List1", 3);
                       scegli_prenotazione(b, "REVOCA");
                   },
                   [](Banco& b) { b.app().click(b.campo("VisuPrenotCliente", "REVOCA")); }});
    out.push_back({"SINTESICONTOPROP",
                   [](Banco& b) {
                       b.comando("proprietar", "List3", 4);
                       b.app().click(b.campo("EstrattoContoPropr", "cambia"));
                       b.app().pick(b.campo("EstrattoContoPropr", "Combo1"), 0);
                   },
                   [](Banco& b) { b.app().click(b.campo("EstrattoContoPropr", "SINTESI")); }});
    return out;
}

// A form's open as an action: first open in a program just started to the
// menu, or open again in the same program after the form was closed.
Azione apertura(const Apertura& a, bool riapertura) {
    Azione out;
    out.nome = std::string("apri_") + a.forma + (riapertura ? "/riapertura" : "/prima");
    if (riapertura) {
        out.prepara = [a](Banco& b) {
            b.fino_al_menu();
            if (a.prima) a.prima(b);
            a.apri(b);
        };
        out.azzera = [a](Banco& b) {
            if (a.chiudi) a.chiudi(b);
            b.torna_al_menu(a.chiudi ? "" : a.forma);
            if (a.prima) a.prima(b);
        };
    } else {
        out.azzera = [a](Banco& b) {
            b.fino_al_menu();
            if (a.prima) a.prima(b);
        };
    }
    out.esegui = a.apri;
    out.verifica = [a](Banco& b) -> std::string {
        if (!b.forma(a.forma).is_visible()) return std::string(a.forma) + " is not shown";
        return a.verifica ? a.verifica(b) : "";
    };
    return out;
}

// The lines of the last list printed, "" in `errore` when there is one.
std::vector<std::string> righe_stampate(Banco& b, std::string& errore) {
    auto& stampante = static_cast<plat::RecordingPrinter&>(*b.app().printer());
    std::vector<std::string> righe;
    if (stampante.jobs.empty()) {
        errore = "nothing was printed";
        return righe;
    }
    for (const auto& pagina : stampante.jobs.back().pages)
        for (const plat::Cell& c : pagina)
            if (!c.text.starts_with("PAGINA ")) righe.push_back(c.text);
    return righe;
}

// A list printed from the printing menu: `n` lines (any number when 0), and
// `nome_vuoto`, where given, tells what is wrong with a line whose record
// named another one by its code (an owner, a street) left without it.
std::function<std::string(Banco&)> stampato(
    std::function<int(Banco&)> n, std::function<bool(const std::string&)> nome_vuoto = nullptr) {
    return [n, nome_vuoto](Banco& b) -> std::string {
        std::string errore;
        const std::vector<std::string> righe = righe_stampate(b, errore);
        if (!errore.empty()) return errore;
        const int attese = n ? n(b) : 0;
        if (righe.empty() || (attese && static_cast<int>(righe.size()) != attese))
            return "the list holds " + std::to_string(righe.size()) + " lines, not " +
                   std::to_string(attese);
        if (nome_vuoto)
            for (const std::string& r : righe)
                if (nome_vuoto(r)) return "a line without its owner or street: " + r;
        return "";
    };
}

bool in_bianco(const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; }

// The printing menu's lists: the availability (complete and of one month),
// the apartments, clients and owners, and the lists its choices fill (the
// bookings to reprint a receipt of, the invoices). At "/x10" every register
// is ten times full, as each list names records of several of them.
std::vector<Azione> stampe() {
    const std::vector<std::string> disponibilita = {"periodi{anno}.ind", "appartamenti.ind",
                                                    "proprietari.IND", "Vie.dat"};
    auto al_menu_di_stampa = [](std::function<void(Banco&)> poi) {
        return [poi](Banco& b) {
            b.fino_al_menu();
            b.app().click(b.campo("MENU", "stampe"));
            if (poi) poi(b);
        };
    };
    auto azzera = [](Banco& b) {
        static_cast<plat::RecordingPrinter&>(*b.app().printer()).jobs.clear();
    };
    auto clic = [](const char* bottone) {
        return [bottone](Banco& b) { b.app().click(b.campo("menustampa", bottone)); };
    };
    // An availability line: " | N. - APP. - PROPRIETARIO - VIA - ...".
    auto disponibile_senza_nomi = [](const std::string& r) {
        std::vector<std::string> parti;
        for (std::size_t da = 0;;) {
            const std::size_t a = r.find(" - ", da);
            parti.push_back(r.substr(da, a == std::string::npos ? a : a - da));
            if (a == std::string::npos) break;
            da = a + 3;
        }
        return parti.size() < 4 || in_bianco(parti[2]) || in_bianco(parti[3]);
    };
    // An apartments line: code (6), owner (24), street (30), two blanks apart.
    auto appartamento_senza_nomi = [](const std::string& r) {
        return r.size() < 64 || in_bianco(r.substr(8, 24)) || in_bianco(r.substr(34, 30));
    };
    const auto periodi_liberi = [](Banco& b) { return b.archivio.periodi() / 2; };

    std::vector<Azione> out;
    out.push_back({"stampa_disponibilita", disponibilita, 0, al_menu_di_stampa([](Banco& b) {
                       b.app().click(b.campo("menustampa", "Command6"));
                       b.app().click(b.campo("menustampa", "TOTALE"));
                   }),
                   azzera, clic("stampaDIS"), stampato(periodi_liberi, disponibile_senza_nomi)});
    out.push_back({"stampa_disponibilita_mese", disponibilita, 0, al_menu_di_stampa([](Banco& b) {
                       b.app().click(b.campo("menustampa", "Command6"));
                       b.app().click(b.campo("menustampa", "XMESE"));
                       b.app().pick(b.campo("menustampa", "Combo2"), 8);
                   }),
                   azzera, clic("stampaDIS"), stampato(nullptr, disponibile_senza_nomi)});
    out.push_back(
        {"stampa_elenco_appartamenti",
         {"appartamenti.ind", "proprietari.IND", "Vie.dat"},
         0,
         al_menu_di_stampa(clic("Command7")),
         azzera,
         clic("Command8"),
         stampato([](Banco& b) { return b.archivio.appartamenti(); }, appartamento_senza_nomi)});
    out.push_back(
        {"stampa_elenco_clienti",
         {"clienti.dat"},
         0,
         al_menu_di_stampa(clic("Command7")),
         azzera,
         clic("Command9"),
         stampato([](Banco& b) { return static_cast<int>(b.archivio.clienti().size()); })});
    out.push_back(
        {"stampa_elenco_proprietari",
         {"proprietari.IND"},
         0,
         al_menu_di_stampa(clic("Command7")),
         azzera,
         clic("Command10"),
         stampato([](Banco& b) { return static_cast<int>(b.archivio.proprietari().size()); })});
    // A section of the menu opened (its lists filled), closed before each run.
    auto sezione = [](const char* bottone, const char* cornice) {
        return [bottone, cornice](Banco& b) {
            if (b.campo("menustampa", cornice).visible())
                b.app().click(b.campo("menustampa", bottone));
        };
    };
    out.push_back(
        {"stampa_scelta_prenotazione",
         {"prenotazioni{anno}.dat", "clienti.dat"},
         0,
         al_menu_di_stampa(nullptr),
         sezione("Command1", "SCELTAPRENOT"),
         clic("Command1"),
         [](Banco& b) -> std::string {
             if (const std::string e = righe_attese(b.campo("menustampa", "Combo1"),
                                                    static_cast<int>(b.archivio.clienti().size()));
                 !e.empty())
                 return e;
             return righe_attese(b.campo("menustampa", "List1"), b.archivio.prenotazioni());
         }});
    out.push_back({"stampa_scelta_fattura",
                   {"fatture{anno}.dat", "clienti.dat", "proprietari.IND"},
                   0,
                   al_menu_di_stampa(nullptr),
                   sezione("Command2", "SCELTAFATT"),
                   clic("Command2"),
                   [](Banco& b) -> std::string {
                       return righe_attese(b.campo("menustampa", "List2"), b.archivio.fatture());
                   }});
    return out;
}

std::vector<Azione> azioni() {
    std::vector<Azione> out;
    const std::vector<std::string> registri = {"proprietari.IND",        "appartamenti.ind",
                                               "prenotazioni{anno}.dat", "clienti.dat",
                                               "noteaff{anno}.dat",      "saldi{anno}.dat"};

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
    // The start form shown again in the same program, after it was closed.
    out.push_back({"apri_zeltra/riapertura",
                   {},
                   0,
                   [](Banco& b) { b.programma->avvia(); },
                   [](Banco& b) { b.app().run([&] { b.forma("zeltra").unload(); }); },
                   [](Banco& b) { b.programma->avvia(); },
                   [](Banco& b) { return b.forma("zeltra").is_visible() ? "" : "no start form"; }});

    const auto verifica_scadenze = [](Banco& b) -> std::string {
        if (!b.forma("MENU").is_visible()) return "no menu";
        if (!b.forma("controlloentruscit").is_visible()) return "no warnings window";
        return b.campo("controlloentruscit", "List1").list_count() > 100
                   ? ""
                   : "too few bookings listed";
    };
    // The first activation of the menu: the expired-bookings check, which
    // loads every table (through the booking form's counts) and lists the
    // open bookings already begun and those arriving in the next days.
    out.push_back({"controllo_scadenze", registri, 0, nullptr,
                   [](Banco& b) {
                       b.nuovo();
                       b.programma->avvia();
                   },
                   [](Banco& b) { b.app().click(b.campo("zeltra", "AVANTI")); },
                   verifica_scadenze});
    // The same in the same program, after the menu and the warnings were
    // closed: the start form's AVANTI again.
    out.push_back({"controllo_scadenze/riapertura", registri, 0,
                   [](Banco& b) {
                       b.programma->avvia();
                       b.app().click(b.campo("zeltra", "AVANTI"));
                   },
                   [](Banco& b) {
                       b.app().run([&] {
                           b.forma("controlloentruscit").unload();
                           b.forma("MENU").unload();
                           b.forma("zeltra").set_enabled(true);
                           b.forma("zeltra").show();
                       });
                   },
                   [](Banco& b) { b.app().click(b.campo("zeltra", "AVANTI")); },
                   verifica_scadenze});

    // The owner statement: an owner chosen, the whole journal walked.
    out.push_back(
        {"estratto_conto",
         {"saldi{anno}.dat", "appartamenti.ind", "proprietari.IND", "prenotazioni{anno}.dat"},
         0,
         [](Banco& b) {
             b.fino_al_menu();
             b.comando("proprietar", "List3", 4);
         },
         [](Banco& b) { b.app().click(b.campo("EstrattoContoPropr", "cambia")); },
         [](Banco& b) { b.app().pick(b.campo("EstrattoContoPropr", "Combo1"), 0); },
         [](Banco& b) -> std::string {
             return b.campo("EstrattoContoPropr", "List1").list_count() > 3 ? ""
                                                                            : "no statement lines";
         }});

    // The printing menu's lists: from the pick that prints to the job sent
    // to the printer (recorded) and the user told where it went.
    for (Azione& a : stampe()) out.push_back(std::move(a));

    // The client search of a client's bookings: the last client of the file,
    // found by name, and the client's bookings listed.
    out.push_back({"ricerca_cliente",
                   {"clienti.dat", "prenotazioni{anno}.dat", "appartamenti.ind", "proprietari.IND"},
                   0,
                   [](Banco& b) {
                       b.fino_al_menu();
                       b.comando("prenotazioni", "List1", 2);
                   },
                   [](Banco& b) {
                       b.app().run([&] {
                           for (const char* box : {"Text1", "Text5"})
                               b.campo("VisuPrenotCliente", box).set_text("");
                           b.campo("VisuPrenotCliente", "List1").clear();
                       });
                   },
                   [](Banco& b) {
                       b.scrivi(b.campo("VisuPrenotCliente", "Text1"), b.archivio.clienti().back());
                   },
                   [](Banco& b) -> std::string {
                       const std::string codice = std::to_string(b.archivio.clienti().size());
                       if (b.campo("VisuPrenotCliente", "Text5").text() != codice)
                           return "the client was not found";
                       return b.campo("VisuPrenotCliente", "List1").list_count() > 0
                                  ? ""
                                  : "no bookings listed";
                   }});

    // A new booking saved: the note appended, the bookings rewritten, the
    // movement appended, the periods rewritten.
    out.push_back(
        {"salva_prenotazione",
         {"noteaff{anno}.dat", "prenotazioni{anno}.dat", "saldi{anno}.dat", "periodi{anno}.ind"},
         1,
         [](Banco& b) {
             b.fino_al_menu();
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
             return b.campo("prenotazione", "Check3").value() == 1 ? ""
                                                                   : "the booking was not saved";
         }});

    // A booking's balance saved: an open booking of a client chosen, its
    // balance form filled with the rent still due, CONFERMA (the movement,
    // the note and the booking written as one save).
    const std::vector<std::string> saldo = {"saldi{anno}.dat", "noteaff{anno}.dat",
                                            "prenotazioni{anno}.dat"};
    out.push_back({"salva_saldo", saldo, 1,
                   [saldo](Banco& b) {
                       b.fino_al_menu();
                       for (const std::string& f : saldo) {
                           const std::string p = percorso(b.archivio, f);
                           b.originali.emplace_back(p, b.archivio.byte(p));
                       }
                   },
                   [](Banco& b) {
                       for (const auto& [p, byte] : b.originali) b.archivio.ripristina(p, byte);
                       b.torna_al_menu("VisuPrenotCliente");
                       b.comando("prenotazioni", "List1", 2);
                       scegli_prenotazione(b, "SALDO");
                       b.app().click(b.campo("VisuPrenotCliente", "SALDO"));
                       b.scrivi(b.campo("saldoaff", "Text14"),
                                b.campo("saldoaff", "Text10").text());
                   },
                   [](Banco& b) { b.app().click(b.campo("saldoaff", "Command1")); },
                   [](Banco& b) -> std::string {
                       // The journal's new movement is on disk.
                       const std::string giornale = percorso(b.archivio, "saldi{anno}.dat");
                       return b.archivio.byte(giornale).size() > b.originali[0].second.size()
                                  ? ""
                                  : "the balance was not saved";
                   }});

    // The periods carried over to the next year (the utilities' archives,
    // first line, CONFERMA): the year's periods read, the next year's written.
    out.push_back({"trasferimento_periodi",
                   {"periodi{anno}.ind"},
                   0,
                   [](Banco& b) {
                       b.fino_al_menu();
                       b.app().click(b.campo("MENU", "utilit"));
                       b.app().click(b.campo("utilita", "Command4"));
                       b.app().pick(b.campo("utilita", "List1"), 0);
                   },
                   [](Banco& b) {
                       std::error_code ec;
                       std::filesystem::remove(b.archivio.file_dati(kProssimoAnno), ec);
                   },
                   [](Banco& b) { b.app().click(b.campo("Trasferisciper", "Command1")); },
                   [](Banco& b) -> std::string {
                       std::ifstream in(b.archivio.file_dati(kProssimoAnno), std::ios::binary);
                       int righe = 0;
                       for (std::string r; std::getline(in, r);) ++righe;
                       return righe == b.archivio.periodi() ? "" : "the periods were not carried";
                   }});

    // Back to the menu from a form (the bookings view's USCITA): the menu
    // shown again and activated.
    out.push_back({"ritorno_al_menu",
                   {},
                   0,
                   [](Banco& b) { b.fino_al_menu(); },
                   [](Banco& b) {
                       b.torna_al_menu("visu_prenotazioni");
                       b.comando("prenotazioni", "List1", 1);
                   },
                   [](Banco& b) { b.app().click(b.campo("visu_prenotazioni", "ESCI")); },
                   [](Banco& b) -> std::string {
                       if (b.forma("visu_prenotazioni").is_visible())
                           return "the view is still shown";
                       return b.forma("MENU").is_visible() ? "" : "no menu";
                   }});

    // Every form, first open and open again.
    for (const Apertura& a : aperture())
        for (const bool riapertura : {false, true}) out.push_back(apertura(a, riapertura));
    return out;
}

const std::vector<Azione>& tutte_le_azioni() {
    static const std::vector<Azione> tutte = azioni();
    return tutte;
}

// The scales every action runs at with its windows (--scale=1,10,30,100);
// headless, at the first one only.
std::vector<int> scale = {1, 10, 30, 100};

std::string nome_misura(const std::string& azione, int scala, bool finestre) {
    return azione + (scala != 1 ? "/x" + std::to_string(scala) : "") +
           (finestre ? "/finestre" : "");
}

// The growth an action may show from one scale to the next, over the
// scales' own ratio (3 from 10x to 30x, 3.33 from 30x to 100x): a linear
// action stays near it, one that walks a list for each line of another
// goes well past. From 1x, where fixed costs weigh most, any growth.
double crescita_ammessa(int da, int a) {
    if (da == 10 && a == 30) return 3.6;
    if (da == 30 && a == 100) return 4.0;
    return std::numeric_limits<double>::infinity();
}

// One line per action: median (fastest-slowest) in milliseconds, headless
// at the first scale, then with windows at each, then the growth from each
// scale to the next (the ratio of the medians, and in brackets the ratio a
// fast run at the larger scale over a slow one at the smaller to the
// reverse: the spread the medians' ratio stands in). An action that grows
// past what is allowed is marked "!" and named at the end. Returns the
// number of such actions.
int stampa_riepilogo(std::FILE* out) {
    if (cifre().empty()) return 0;
    auto cella = [](const std::string& nome) -> std::string {
        const auto it = cifre().find(nome);
        if (it == cifre().end()) return "";
        char testo[64];
        std::snprintf(testo, sizeof testo, "%.2f (%.2f-%.2f)", it->second.mediana,
                      it->second.minimo, it->second.massimo);
        return testo;
    };
    std::fprintf(out, "\nmedian (min-max), ms; growth: median ratio (min/max-max/min)\n%-34s %-22s",
                 "action", "headless");
    for (const int s : scale)
        std::fprintf(out, " %-22s", ("finestre x" + std::to_string(s)).c_str());
    for (std::size_t k = 1; k < scale.size(); ++k)
        std::fprintf(
            out, " %-20s",
            (std::to_string(scale[k]) + "x/" + std::to_string(scale[k - 1]) + "x").c_str());
    std::fprintf(out, "\n");
    std::vector<std::string> troppo;
    for (const Azione& a : tutte_le_azioni()) {
        std::vector<std::string> celle = {cella(nome_misura(a.nome, scale.front(), false))};
        for (const int s : scale) celle.push_back(cella(nome_misura(a.nome, s, true)));
        if (std::all_of(celle.begin(), celle.end(), [](const std::string& c) { return c.empty(); }))
            continue;
        std::fprintf(out, "%-34s", a.nome.c_str());
        for (const std::string& c : celle) std::fprintf(out, " %-22s", c.c_str());
        for (std::size_t k = 1; k < scale.size(); ++k) {
            const auto da = cifre().find(nome_misura(a.nome, scale[k - 1], true));
            const auto a_ = cifre().find(nome_misura(a.nome, scale[k], true));
            if (da == cifre().end() || a_ == cifre().end()) {
                std::fprintf(out, " %-20s", "");
                continue;
            }
            const double r = a_->second.mediana / da->second.mediana;
            const bool oltre = r > crescita_ammessa(scale[k - 1], scale[k]);
            if (oltre)
                troppo.push_back(a.nome + " " + std::to_string(scale[k]) + "x/" +
                                 std::to_string(scale[k - 1]) + "x");
            char testo[64];
            std::snprintf(testo, sizeof testo, "%s%.2f (%.2f-%.2f)", oltre ? "!" : "", r,
                          a_->second.minimo / da->second.massimo,
                          a_->second.massimo / da->second.minimo);
            std::fprintf(out, " %-20s", testo);
        }
        std::fprintf(out, "\n");
    }
    for (const std::string& t : troppo)
        std::fprintf(out, "grows faster than its records: %s\n", t.c_str());
    return static_cast<int>(troppo.size());
}

void registra(const Azione& a, int scala, bool finestre) {
    const std::string nome = nome_misura(a.nome, scala, finestre);
    benchmark::RegisterBenchmark(
        nome.c_str(),
        [&a, finestre, scala, nome](benchmark::State& s) { misura(s, a, finestre, scala, nome); })
        ->UseManualTime()
        ->Iterations(volte_per_azione)
        ->Unit(benchmark::kMillisecond);
}

void registra_tutte() {
    const std::vector<Azione>& tutte = tutte_le_azioni();
    for (const Azione& a : tutte) registra(a, scale.front(), false);
    for (const int s : scale)
        for (const Azione& a : tutte) registra(a, s, true);
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    // The windows of the "/finestre" runs draw on no screen, whose platform
    // warns at every window brought to the front, among other notices: only
    // what is worse than a warning is worth a line between the figures.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(testo));
    });
    // Our own option, the runs of each action; the others go to the benchmark.
    std::vector<char*> argomenti{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a.starts_with("--scale=")) {
            bench::scale.clear();
            for (std::string_view resto = a.substr(8); !resto.empty();) {
                const std::size_t virgola = std::min(resto.find(','), resto.size());
                const int s = std::atoi(std::string(resto.substr(0, virgola)).c_str());
                if (s < 1 || (!bench::scale.empty() && s <= bench::scale.back())) {
                    std::fprintf(stderr, "--scale: growing numbers above 0, as 1,10,30,100\n");
                    return 1;
                }
                bench::scale.push_back(s);
                resto.remove_prefix(std::min(virgola + 1, resto.size()));
            }
            if (bench::scale.empty()) {
                std::fprintf(stderr, "--scale: at least one scale\n");
                return 1;
            }
            continue;
        }
        if (!a.starts_with("--volte=")) {
            argomenti.push_back(argv[i]);
            continue;
        }
        const int volte = std::atoi(argv[i] + 8);
        if (volte < 1) {
            std::fprintf(stderr, "--volte: a number of runs, at least 1\n");
            return 1;
        }
        bench::volte_per_azione = volte;
    }
    bool solo_console = true;
    for (const char* a : argomenti)
        if (std::string_view(a).starts_with("--benchmark_format=") &&
            std::string_view(a) != "--benchmark_format=console")
            solo_console = false;
    int n = static_cast<int>(argomenti.size());
    argomenti.push_back(nullptr);
    benchmark::Initialize(&n, argomenti.data());
    if (benchmark::ReportUnrecognizedArguments(n, argomenti.data())) return 1;

    QApplication qapp(n, argomenti.data());
    // The windows are painted as the program paints them.
    gui::install_style();
    bench::registra_tutte();
    benchmark::RunSpecifiedBenchmarks();
    // After the benchmark's own lines, the summary; on the error stream when
    // the standard output carries the benchmark's JSON or CSV.
    std::fflush(stdout);
    const int troppo = bench::stampa_riepilogo(solo_console ? stdout : stderr);
    benchmark::Shutdown();
    return troppo == 0 ? 0 : 1;
}
