// The cold start as a user sees it: from the moment a process is started to
// the moment its first window is mapped on the X display, for the real
// program (its start window, on a program folder whose archive is full) and
// for an empty Qt window (bench/finestra_vuota.cpp), the floor any Qt
// program pays. Run on the display DISPLAY names, with no window manager
// (scripts/bench.sh starts an Xvfb): the top-level windows are the root
// window's children, so the root's SubstructureNotify events tell each one
// being mapped.
//
// A window counts when it is mapped, is not override-redirect (menus,
// tooltips), carries the started process's id in _NET_WM_PID (Qt sets it on
// every top-level it makes) and the expected title in _NET_WM_NAME: Qt's
// helper windows, another client's windows and any box shown before the
// start window do not stop the clock. The two are started in turn, the order
// swapped each round, so that both meet the same state of the machine; one
// round before the measure, not counted, fills the disk cache.
//
//   avvio_a_freddo [--volte N]
//   avvio_a_freddo --al-menu 1,10,30,100 [--volte N]
//
// With --al-menu, the program alone on an archive at each scale (every
// register that many times full): the process started, the start window's
// AVANTI clicked as soon as it is mapped, and the clock stopped at the map
// of the menu's window (the start to the menu, the expired-bookings check
// and every table loaded on the way); then the process's peak of resident
// memory (VmHWM) and its resident memory at the menu, read before it is
// killed.
//
// Prints, for each, the median, fastest and slowest time in milliseconds,
// and the ratio of the medians; then where the time goes, by the windows the
// root's CreateNotify events show: up to the first window the process's X
// connection makes (Qt makes a window of its own as it connects to the
// display, inside the application's construction: by then the process and
// its libraries are loaded), from there to the making of the window that is
// mapped (the rest of the application, and what the program does before it
// shows its window), and from there to the map. A client's windows share the
// high bits of their ids (the server's resource-id base), which tells the
// process's first window among the others. Exit status 1 when a start
// failed.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include "archivio_pieno.h"

extern char** environ;

namespace {

using Orologio = std::chrono::steady_clock;
constexpr auto kAttesaMassima = std::chrono::seconds(20);

// One start's times from the spawn, in milliseconds.
struct Tempi {
    double prima_finestra;  // the process's first X window made
    double finestra_fatta;  // the window that is mapped made
    double mappata;         // that window mapped
};

struct Avvio {
    std::string nome;
    std::vector<std::string> comando;
    std::string titolo;  // the title of the window that stops the clock
    std::vector<Tempi> tempi;
};

template <class T>
using Risposta = std::unique_ptr<T, decltype(&std::free)>;

class Schermo {
public:
    Schermo() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        if (Risposta<xcb_generic_error_t> e{
                xcb_request_check(c_, xcb_change_window_attributes_checked(
                                          c_, root_, XCB_CW_EVENT_MASK, &maschera)),
                &std::free}) {
            std::fprintf(stderr,
                         "avvio_a_freddo: the root window's events cannot be followed (error %d)\n",
                         e->error_code);
            ok_ = false;
            return;
        }
        pid_ = atomo("_NET_WM_PID");
        nome_ = atomo("_NET_WM_NAME");
        utf8_ = atomo("UTF8_STRING");
        ok_ = pid_ && nome_ && utf8_;
    }
    ~Schermo() { xcb_disconnect(c_); }
    Schermo(const Schermo&) = delete;
    Schermo& operator=(const Schermo&) = delete;

    bool ok() const { return ok_ && !xcb_connection_has_error(c_); }
    xcb_window_t radice() const { return root_; }
    // The bits of a resource id that one client chooses; the others are the
    // client's own.
    uint32_t maschera_id() const { return xcb_get_setup(c_)->resource_id_mask; }

    // The events already come, thrown away: those of an earlier run.
    void svuota() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) std::free(e);
    }

    // The next event, waiting at most until `fine`; nullptr at the deadline.
    Risposta<xcb_generic_event_t> evento(Orologio::time_point fine) {
        for (;;) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(c_)) return {e, &std::free};
            if (xcb_connection_has_error(c_)) return {nullptr, &std::free};
            const auto resta =
                std::chrono::duration_cast<std::chrono::milliseconds>(fine - Orologio::now());
            if (resta.count() <= 0) return {nullptr, &std::free};
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            // Short slices: the caller also watches its child.
            poll(&p, 1, static_cast<int>(std::min<long>(resta.count(), 50)));
            if (!(p.revents & POLLIN)) return {nullptr, &std::free};
        }
    }

    std::optional<uint32_t> pid(xcb_window_t w) {
        const std::string v = proprieta(w, pid_, XCB_ATOM_CARDINAL);
        if (v.size() != 4) return std::nullopt;
        uint32_t n = 0;
        std::memcpy(&n, v.data(), 4);
        return n;
    }
    std::string titolo(xcb_window_t w) { return proprieta(w, nome_, utf8_); }

    // A left click at (x, y) of window w, as the server would send it.
    void clic(xcb_window_t w, int16_t x, int16_t y) {
        for (const uint8_t tipo : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE}) {
            xcb_button_press_event_t e{};
            e.response_type = tipo;
            e.detail = 1;
            e.time = XCB_CURRENT_TIME;
            e.root = root_;
            e.event = w;
            e.event_x = x;
            e.event_y = y;
            e.same_screen = 1;
            e.state = tipo == XCB_BUTTON_RELEASE ? XCB_BUTTON_MASK_1 : 0;
            const uint32_t maschera = tipo == XCB_BUTTON_PRESS ? XCB_EVENT_MASK_BUTTON_PRESS
                                                               : XCB_EVENT_MASK_BUTTON_RELEASE;
            xcb_send_event(c_, 0, w, maschera, reinterpret_cast<const char*>(&e));
        }
        xcb_flush(c_);
    }

private:
    xcb_atom_t atomo(const char* nome) {
        Risposta<xcb_intern_atom_reply_t> r{
            xcb_intern_atom_reply(
                c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(nome)), nome),
                nullptr),
            &std::free};
        return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    std::string proprieta(xcb_window_t w, xcb_atom_t nome, xcb_atom_t tipo) {
        Risposta<xcb_get_property_reply_t> r{
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, nome, tipo, 0, 1024), nullptr),
            &std::free};
        if (!r || r->type != tipo) return {};
        return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(r.get())));
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    xcb_atom_t pid_ = 0, nome_ = 0, utf8_ = 0;
    bool ok_ = false;
};

// The environment the children start with: this one, on the X platform
// whatever QT_QPA_PLATFORM says (the measure is of an X window).
std::vector<std::string> ambiente_figli() {
    std::vector<std::string> out;
    for (char** e = environ; *e; ++e)
        if (!std::string_view(*e).starts_with("QT_QPA_PLATFORM=")) out.emplace_back(*e);
    out.emplace_back("QT_QPA_PLATFORM=xcb");
    return out;
}

std::vector<char*> puntatori(std::vector<std::string>& testi) {
    std::vector<char*> out;
    for (std::string& t : testi) out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

// One start: the times from the spawn to the MapNotify of the child's
// window titled `a.titolo`; nothing, told on the standard error, when the
// child ends or no such window comes in time. The child is killed after.
std::optional<Tempi> una_volta(Schermo& x, Avvio& a, std::vector<std::string>& ambiente) {
    x.svuota();
    std::vector<std::string> argomenti = a.comando;
    std::vector<char*> argv = puntatori(argomenti);
    std::vector<char*> envp = puntatori(ambiente);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // What the child tells on its standard error is shown only when it fails
    // (Qt's notices of the session, such as a missing XDG_RUNTIME_DIR, would
    // bury the figures otherwise).
    char errori[] = "/tmp/avvio_a_freddo_XXXXXX";
    const int fd_errori = mkstemp(errori);
    if (fd_errori >= 0) {
        unlink(errori);
        posix_spawn_file_actions_adddup2(&azioni, fd_errori, STDERR_FILENO);
    }

    pid_t figlio = 0;
    const auto t0 = Orologio::now();
    const int errore = posix_spawn(&figlio, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (errore != 0) {
        std::fprintf(stderr, "avvio_a_freddo: %s cannot be started: %s\n", argv[0],
                     std::strerror(errore));
        return std::nullopt;
    }

    std::optional<Tempi> tempi;
    // The top-level windows made since the spawn, with their times.
    std::vector<std::pair<xcb_window_t, double>> fatte;
    const auto da_t0 = [&t0](Orologio::time_point t) {
        return std::chrono::duration<double, std::milli>(t - t0).count();
    };
    bool finito = false;
    const auto fine = t0 + kAttesaMassima;
    while (!tempi && Orologio::now() < fine) {
        if (auto e = x.evento(fine)) {
            if ((e->response_type & 0x7f) == XCB_CREATE_NOTIFY) {
                const auto* c = reinterpret_cast<const xcb_create_notify_event_t*>(e.get());
                if (c->parent == x.radice()) fatte.emplace_back(c->window, da_t0(Orologio::now()));
                continue;
            }
            if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto t1 = Orologio::now();
            const auto* m = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
            if (m->override_redirect) continue;
            if (x.pid(m->window) != static_cast<uint32_t>(figlio)) continue;
            if (x.titolo(m->window) != a.titolo) continue;
            const double mappata = da_t0(t1);
            Tempi t{mappata, mappata, mappata};
            const uint32_t cliente = m->window & ~x.maschera_id();
            for (const auto& [w, quando] : fatte) {
                if ((w & ~x.maschera_id()) != cliente) continue;
                t.prima_finestra = std::min(t.prima_finestra, quando);
                if (w == m->window) t.finestra_fatta = quando;
            }
            tempi = t;
        } else if (int stato = 0; waitpid(figlio, &stato, WNOHANG) == figlio) {
            finito = true;
            std::fprintf(stderr, "avvio_a_freddo: %s ended (status %d) before its window \"%s\"\n",
                         a.nome.c_str(), WIFEXITED(stato) ? WEXITSTATUS(stato) : -1,
                         a.titolo.c_str());
            break;
        } else if (!x.ok()) {
            std::fprintf(stderr, "avvio_a_freddo: the X connection was lost\n");
            break;
        }
    }
    if (!tempi && !finito && x.ok())
        std::fprintf(stderr, "avvio_a_freddo: no window \"%s\" of %s within %lld s\n",
                     a.titolo.c_str(), a.nome.c_str(),
                     static_cast<long long>(kAttesaMassima.count()));
    if (!finito) {
        kill(figlio, SIGKILL);
        while (waitpid(figlio, nullptr, 0) < 0 && errno == EINTR) {}
    }
    if (fd_errori >= 0) {
        if (!tempi) {
            std::fprintf(stderr, "avvio_a_freddo: what %s told on its standard error:\n",
                         a.nome.c_str());
            char buffer[4096];
            off_t letti = 0;
            for (ssize_t n; (n = pread(fd_errori, buffer, sizeof buffer, letti)) > 0; letti += n)
                std::fwrite(buffer, 1, static_cast<std::size_t>(n), stderr);
        }
        close(fd_errori);
    }
    return tempi;
}

// A field of /proc/PID/status in kB ("VmHWM", "VmRSS"); 0 when unknown.
long stato_kb(pid_t pid, const char* campo) {
    std::FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!f) return 0;
    long kb = 0;
    char riga[256];
    const std::size_t n = std::strlen(campo);
    while (std::fgets(riga, sizeof riga, f))
        if (std::strncmp(riga, campo, n) == 0 && riga[n] == ':') kb = std::atol(riga + n + 1);
    std::fclose(f);
    return kb;
}

// One start of the program to its menu; nothing, told, when it fails.
struct AlMenu {
    double ms;
    long picco_kb, residente_kb;
};
std::optional<AlMenu> fino_al_menu(Schermo& x, const std::string& cartella,
                                   std::vector<std::string>& ambiente) {
    x.svuota();
    std::vector<std::string> argomenti = {PROGRAM_EXECUTABLE, "--cartella-programma", cartella};
    std::vector<char*> argv = puntatori(argomenti);
    std::vector<char*> envp = puntatori(ambiente);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t figlio = 0;
    const auto t0 = Orologio::now();
    const int errore = posix_spawn(&figlio, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (errore != 0) {
        std::fprintf(stderr, "avvio_a_freddo: the program cannot be started: %s\n",
                     std::strerror(errore));
        return std::nullopt;
    }
    std::optional<AlMenu> esito;
    const char* attesa = "VERIFICA DATI AGENZIA";
    const auto fine = t0 + 3 * kAttesaMassima;
    while (!esito && Orologio::now() < fine) {
        auto e = x.evento(fine);
        if (!e) {
            if (waitpid(figlio, nullptr, WNOHANG) == figlio) break;
            continue;
        }
        if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* m = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
        if (m->override_redirect || x.pid(m->window) != static_cast<uint32_t>(figlio)) continue;
        const std::string titolo = x.titolo(m->window);
        if (titolo == "VERIFICA DATI AGENZIA" && attesa != std::string_view("MENU")) {
            // AVANTI: the button at (16, 456), 56 by 44, of the start form.
            x.clic(m->window, 44, 478);
            attesa = "MENU";
        } else if (titolo == "MENU") {
            esito = AlMenu{std::chrono::duration<double, std::milli>(Orologio::now() - t0).count(),
                           stato_kb(figlio, "VmHWM"), stato_kb(figlio, "VmRSS")};
        }
    }
    if (!esito) std::fprintf(stderr, "avvio_a_freddo: no window \"%s\" of the program\n", attesa);
    kill(figlio, SIGKILL);
    while (waitpid(figlio, nullptr, 0) < 0 && errno == EINTR) {}
    return esito;
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

// The start to the menu and the memory held there, at each scale.
int al_menu(Schermo& x, const std::vector<int>& scale, int volte) {
    std::vector<std::string> ambiente = ambiente_figli();
    std::printf(
        "The program started to its menu, as a process (%d runs a scale; the first not "
        "counted): ms, and its peak resident memory (VmHWM) and resident memory at the "
        "menu, MB, medians\n",
        volte);
    for (const int s : scale) {
        const bench::ArchivioPieno archivio(0, s, true);
        std::vector<double> ms, picco, residente;
        for (int giro = -1; giro < volte; ++giro) {
            const std::optional<AlMenu> m = fino_al_menu(x, archivio.programma(), ambiente);
            if (!m) return 1;
            if (giro < 0) continue;
            ms.push_back(m->ms);
            picco.push_back(m->picco_kb / 1024.0);
            residente.push_back(m->residente_kb / 1024.0);
        }
        const auto [lo, hi] = std::minmax_element(ms.begin(), ms.end());
        std::printf(
            "  x%-4d to the menu %8.1f (%.1f-%.1f)   peak %7.1f MB   at the menu %7.1f MB\n", s,
            mediana(ms), *lo, *hi, mediana(picco), mediana(residente));
    }
    return 0;
}

int main(int argc, char** argv) {
    int volte = 21;
    std::vector<int> scale;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--volte" && i + 1 < argc) {
            volte = std::atoi(argv[++i]);
        } else if (a == "--al-menu" && i + 1 < argc) {
            for (const char* p = argv[++i]; *p;) {
                char* dopo = nullptr;
                const long s = std::strtol(p, &dopo, 10);
                if (dopo == p || s < 1) break;
                scale.push_back(static_cast<int>(s));
                p = *dopo == ',' ? dopo + 1 : dopo;
            }
            if (scale.empty()) {
                std::fprintf(stderr, "avvio_a_freddo: --al-menu wants scales, as 1,10,30,100\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "uso: %s [--al-menu 1,10,30,100] [--volte N]\n", argv[0]);
            return 2;
        }
    }
    if (volte < 1) {
        std::fprintf(stderr, "avvio_a_freddo: --volte wants a number above 0\n");
        return 2;
    }

    Schermo x;
    if (!x.ok()) {
        std::fprintf(stderr, "avvio_a_freddo: no X display to measure on (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    if (!scale.empty()) return al_menu(x, scale, volte);
    const bench::ArchivioPieno archivio;
    Avvio programma{"the program",
                    {PROGRAM_EXECUTABLE, "--cartella-programma", archivio.programma()},
                    "VERIFICA DATI AGENZIA",
                    {}};
    Avvio pavimento{"the empty window", {EMPTY_WINDOW_EXECUTABLE}, "FINESTRA VUOTA", {}};
    std::vector<std::string> ambiente = ambiente_figli();

    // The round not counted, then the rounds measured, the order swapped
    // each time.
    for (int giro = -1; giro < volte; ++giro) {
        Avvio* ordine[2] = {&programma, &pavimento};
        if (giro % 2 != 0) std::swap(ordine[0], ordine[1]);
        for (Avvio* a : ordine) {
            const std::optional<Tempi> t = una_volta(x, *a, ambiente);
            if (!t) return 1;
            if (giro >= 0) a->tempi.push_back(*t);
        }
    }

    std::printf("Cold start: process started until its window is mapped (X), %d runs each, ms\n",
                volte);
    // One step of every start of `a`, in milliseconds.
    const auto passo = [](const Avvio& a, auto&& di) {
        std::vector<double> v;
        for (const Tempi& t : a.tempi) v.push_back(di(t));
        return v;
    };
    const auto totale = [](const Tempi& t) { return t.mappata; };
    for (const Avvio* a : {&programma, &pavimento}) {
        const std::vector<double> ms = passo(*a, totale);
        const auto [lo, hi] = std::minmax_element(ms.begin(), ms.end());
        std::printf("  %-38s median %6.1f   min %6.1f   max %6.1f\n",
                    (a->nome + " (\"" + a->titolo + "\")").c_str(), mediana(ms), *lo, *hi);
    }
    std::printf("  program median / empty window median: %.2f\n",
                mediana(passo(programma, totale)) / mediana(passo(pavimento, totale)));
    std::printf(
        "  by step, medians: up to the process's first X window (Qt connecting to the display);"
        "\n  then until its window is made; then until it is mapped\n");
    for (const Avvio* a : {&programma, &pavimento})
        std::printf(
            "  %-38s %6.1f  + %6.1f  + %6.1f\n", a->nome.c_str(),
            mediana(passo(*a, [](const Tempi& t) { return t.prima_finestra; })),
            mediana(passo(*a, [](const Tempi& t) { return t.finestra_fatta - t.prima_finestra; })),
            mediana(passo(*a, [](const Tempi& t) { return t.mappata - t.finestra_fatta; })));
    return 0;
}
