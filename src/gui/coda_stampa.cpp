#include "gui/coda_stampa.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>

// Only the declarations: the library itself is opened at the first print.
#include <cups/cups.h>

namespace gui {

namespace {

using Clock = std::chrono::steady_clock;

// How long the program waits for the print service: to connect, and for
// any one answer after that. A local service answers in milliseconds; one
// that has not answered in these times is taken as not answering. The
// user's giving up is looked at every `kLook`.
constexpr int kConnectMs = 3000;
constexpr auto kAnswer = std::chrono::seconds(5);
constexpr double kLookSeconds = 0.1;
// Cancelling a job after the user gave up: one short try.
constexpr auto kCancelAnswer = std::chrono::seconds(1);

// The functions of libcups the program calls, found in the library opened
// at run time, each with the type its header declares.
#define GA_CUPS_FUNCTIONS(F) \
    F(httpConnect2);         \
    F(httpClose);            \
    F(httpSetTimeout);       \
    F(httpGetStatus);        \
    F(cupsServer);           \
    F(ippPort);              \
    F(cupsEncryption);       \
    F(cupsGetNamedDest);     \
    F(cupsFreeDests);        \
    F(cupsAddOption);        \
    F(cupsFreeOptions);      \
    F(ippNewRequest);        \
    F(ippAddString);         \
    F(ippAddStrings);        \
    F(cupsDoRequest);        \
    F(ippGetStatusCode);     \
    F(ippFindAttribute);     \
    F(ippFindNextAttribute); \
    F(ippGetBoolean);        \
    F(ippGetInteger);        \
    F(ippGetString);         \
    F(ippGetCount);          \
    F(ippDelete);            \
    F(cupsCreateJob);        \
    F(cupsLastErrorString);  \
    F(cupsStartDocument);    \
    F(cupsWriteRequestData); \
    F(cupsGetResponse);      \
    F(cupsCancelJob2);

struct Libcups {
#define GA_CUPS_MEMBER(name) decltype(&::name) name = nullptr
    GA_CUPS_FUNCTIONS(GA_CUPS_MEMBER)
#undef GA_CUPS_MEMBER
};

template <class Function>
bool find(void* handle, const char* name, Function& out) {
    out = reinterpret_cast<Function>(::dlsym(handle, name));
    return out != nullptr;
}

// The library, opened once for the whole run; nullptr when this machine has
// none (or one without a function the program calls).
const Libcups* libcups() {
    static const Libcups* const loaded = []() -> const Libcups* {
        void* handle = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!handle) return nullptr;
        static Libcups lib;
        bool all = true;
#define GA_CUPS_FIND(name) all = find(handle, #name, lib.name) && all
        GA_CUPS_FUNCTIONS(GA_CUPS_FIND);
#undef GA_CUPS_FIND
        return all ? &lib : nullptr;
    }();
    return loaded;
}

// One connection to the service, with its own limit on every wait: an
// answer is waited for until `deadline` (set before each request) or until
// the user gives up, whichever comes first.
class Connection {
public:
    Connection(const Libcups& cups, const std::string& host, AttesaStampa& attesa,
               bool heeds_giving_up = true)
        : cups_(cups), attesa_(attesa), heeds_(heeds_giving_up) {
        http_ = cups.httpConnect2(host.c_str(), cups.ippPort(), nullptr, AF_UNSPEC,
                                  cups.cupsEncryption(), 1, kConnectMs, nullptr);
        if (http_) cups.httpSetTimeout(http_, kLookSeconds, &Connection::keep_waiting, this);
    }
    ~Connection() {
        if (http_) cups_.httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    explicit operator bool() const { return http_ != nullptr; }
    // The connection for the next request, whose answer may take `wait`.
    http_t* next(Clock::duration wait = kAnswer) {
        deadline_ = Clock::now() + wait;
        return http_;
    }

private:
    // Asked by libcups each time a wait has lasted `kLookSeconds`: 1 to
    // go on waiting.
    static int keep_waiting(http_t*, void* self) {
        const auto* c = static_cast<Connection*>(self);
        if (c->heeds_ && c->attesa_.rinunciata()) return 0;
        return Clock::now() < c->deadline_ ? 1 : 0;
    }

    const Libcups& cups_;
    AttesaStampa& attesa_;
    bool heeds_;
    http_t* http_ = nullptr;
    Clock::time_point deadline_ = Clock::now() + kAnswer;
};

struct Answer {
    const Libcups& cups;
    ipp_t* ipp;
    Answer(const Libcups& c, ipp_t* a) : cups(c), ipp(a) {}
    ~Answer() { cups.ippDelete(ipp); }
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;
    bool ok() const { return ipp && cups.ippGetStatusCode(ipp) <= IPP_STATUS_OK_CONFLICTING; }
};

// "ipp://localhost:631/printers/Ufficio", the name escaped as a URI's path.
std::string local_uri(const Libcups& cups, const std::string& path, const std::string& name) {
    std::string uri = "ipp://localhost:" + std::to_string(cups.ippPort()) + path;
    for (const unsigned char ch : name) {
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
            ch == '-' || ch == '_' || ch == '.' || ch == '~') {
            uri += static_cast<char>(ch);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", ch);
            uri += hex;
        }
    }
    return uri;
}

struct PrinterState {
    bool answered = false;
    bool accepting = true;
    bool stopped = false;
    std::string message;
};

// The printer's state as the service tells it now.
PrinterState printer_state(const Libcups& cups, Connection& c, const std::string& name) {
    PrinterState st;
    ipp_t* request = cups.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      local_uri(cups, "/printers/", name).c_str());
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message"};
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(wanted)), nullptr, wanted);
    const Answer answer(cups, cups.cupsDoRequest(c.next(), request, "/"));
    if (!answer.ok()) return st;
    st.answered = true;
    if (ipp_attribute_t* a =
            cups.ippFindAttribute(answer.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        st.accepting = cups.ippGetBoolean(a, 0) != 0;
    if (ipp_attribute_t* a = cups.ippFindAttribute(answer.ipp, "printer-state", IPP_TAG_ENUM))
        st.stopped = cups.ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* a =
            cups.ippFindAttribute(answer.ipp, "printer-state-message", IPP_TAG_TEXT))
        if (const char* m = cups.ippGetString(a, 0, nullptr)) st.message = m;
    return st;
}

// What the service knows of a job it was sent.
enum class JobState {
    Unknown,   // no answer
    Taken,     // its document is whole: it prints, waits, or has printed
    Incoming,  // still waiting for (the rest of) its document
    Ended,     // cancelled or aborted
};

JobState job_state(const Libcups& cups, Connection& c, int job) {
    ipp_t* request = cups.ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                      local_uri(cups, "/jobs/", std::to_string(job)).c_str());
    static const char* const wanted[] = {"job-state", "job-state-reasons"};
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(wanted)), nullptr, wanted);
    const Answer answer(cups, cups.cupsDoRequest(c.next(), request, "/"));
    if (!answer.ok()) return JobState::Unknown;
    ipp_attribute_t* state = cups.ippFindAttribute(answer.ipp, "job-state", IPP_TAG_ENUM);
    if (!state) return JobState::Unknown;
    const int value = cups.ippGetInteger(state, 0);
    if (value == IPP_JSTATE_CANCELED || value == IPP_JSTATE_ABORTED) return JobState::Ended;
    if (ipp_attribute_t* r =
            cups.ippFindAttribute(answer.ipp, "job-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < cups.ippGetCount(r); ++i)
            if (const char* reason = cups.ippGetString(r, i, nullptr);
                reason && std::string_view(reason) == "job-incoming")
                return JobState::Incoming;
    return JobState::Taken;
}

// How many printers the service has; -1 when it does not answer.
int printer_count(const Libcups& cups, Connection& c) {
    ipp_t* request = cups.ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                      "printer-name");
    const Answer answer(cups, cups.cupsDoRequest(c.next(), request, "/"));
    if (!answer.ipp) return -1;
    if (cups.ippGetStatusCode(answer.ipp) == IPP_STATUS_ERROR_NOT_FOUND) return 0;
    if (!answer.ok()) return -1;
    int n = 0;
    for (ipp_attribute_t* a = cups.ippFindAttribute(answer.ipp, "printer-name", IPP_TAG_NAME); a;
         a = cups.ippFindNextAttribute(answer.ipp, "printer-name", IPP_TAG_NAME))
        ++n;
    return n;
}

std::string with_reason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text + "." : text + ": " + reason + ".";
}

// What the user is told of a job the printer did not take.
EsitoCoda refused(const Libcups& cups, Connection& c, const std::string& name,
                  const std::string& service_error) {
    EsitoCoda out;
    out.tipo = EsitoCoda::Rifiutata;
    out.stampante = name;
    const PrinterState st = c ? printer_state(cups, c, name) : PrinterState{};
    if (st.answered && !st.accepting)
        out.errore = with_reason("LA STAMPANTE " + name + " NON ACCETTA STAMPE", st.message);
    else
        out.errore = with_reason("LA STAMPANTE " + name + " NON HA PRESO LA STAMPA", service_error);
    out.motivo = st.message;
    return out;
}

// A job the printer took, told with the printer's state now.
EsitoCoda taken(const Libcups& cups, Connection& c, const std::string& name) {
    EsitoCoda out;
    out.stampante = name;
    const PrinterState after = printer_state(cups, c, name);
    out.tipo = after.stopped ? EsitoCoda::InAttesa : EsitoCoda::Inviata;
    out.motivo = after.message;
    return out;
}

}  // namespace

bool libreria_di_stampa_presente() { return libcups() != nullptr; }

EsitoCoda invia_alla_stampante(std::string_view pdf, const std::string& title, int copies,
                               const std::string& server, AttesaStampa& attesa) {
    EsitoCoda out;  // NoServizio
    const Libcups* lib = libcups();
    if (!lib) return out;
    const Libcups& cups = *lib;
    const std::string host = server.empty() ? cups.cupsServer() : server;

    attesa.imposta_fase("COLLEGAMENTO AL SERVIZIO DI STAMPA");
    Connection c(cups, host, attesa);
    if (!c || attesa.rinunciata()) return out;

    // The user's default printer, as the print settings name it; when it
    // is gone the page goes to no other.
    cups_dest_t* dest = cups.cupsGetNamedDest(c.next(), nullptr, nullptr);
    if (!dest) {
        if (attesa.rinunciata()) return out;
        const int printers = printer_count(cups, c);
        out.tipo = printers < 0    ? EsitoCoda::NoServizio
                   : printers == 0 ? EsitoCoda::NoStampanti
                                   : EsitoCoda::NoPredefinita;
        return out;
    }
    const std::string name = dest->name;
    cups.cupsFreeDests(1, dest);
    out.stampante = name;
    attesa.imposta_fase("INVIO ALLA STAMPANTE " + name);

    const PrinterState before = printer_state(cups, c, name);
    if (attesa.rinunciata()) return out;
    if (before.answered && !before.accepting) return refused(cups, c, name, "");

    int option_count = 0;
    cups_option_t* options = nullptr;
    option_count = cups.cupsAddOption("copies", std::to_string(std::max(copies, 1)).c_str(),
                                      option_count, &options);
    if (copies > 1)
        option_count =
            cups.cupsAddOption("multiple-document-handling", "separate-documents-collated-copies",
                               option_count, &options);
    const int job =
        cups.cupsCreateJob(c.next(), name.c_str(), title.c_str(), option_count, options);
    cups.cupsFreeOptions(option_count, options);
    if (attesa.rinunciata() && job <= 0) return out;
    if (job <= 0) return refused(cups, c, name, cups.cupsLastErrorString());

    // A job left without its whole document must not print a part of it.
    // The first connection may be left in the middle of the document: the
    // job is cancelled over a new one.
    auto cancel = [&](Clock::duration wait) {
        Connection again(cups, host, attesa, false);
        if (again) cups.cupsCancelJob2(again.next(wait), name.c_str(), job, 0);
    };

    bool whole = cups.cupsStartDocument(c.next(), name.c_str(), job, title.c_str(), CUPS_FORMAT_PDF,
                                        1) == HTTP_STATUS_CONTINUE;
    constexpr std::size_t kBlock = 64 * 1024;
    for (std::size_t at = 0; whole && at < pdf.size(); at += kBlock) {
        const std::size_t n = std::min(kBlock, pdf.size() - at);
        whole = cups.cupsWriteRequestData(c.next(), pdf.data() + at, n) == HTTP_STATUS_CONTINUE;
    }
    if (attesa.rinunciata()) {
        cancel(kCancelAnswer);
        return out;
    }
    if (!whole) {
        const std::string why = cups.cupsLastErrorString();
        Connection again(cups, host, attesa);
        if (again) cups.cupsCancelJob2(again.next(), name.c_str(), job, 0);
        return refused(cups, again, name, why);
    }

    // The service's answer to the document. Only an answer that says so
    // counts as the job taken: with none, what libcups would report is
    // what it last heard, the answer that made the job.
    const std::string resource = "/printers/" + name;
    ipp_t* answer = cups.cupsGetResponse(c.next(), resource.c_str());
    if (answer) {
        const Answer a(cups, answer);
        if (a.ok()) return taken(cups, c, name);
        const std::string why = cups.cupsLastErrorString();
        cancel(kAnswer);
        Connection again(cups, host, attesa);
        return refused(cups, again, name, why);
    }
    if (attesa.rinunciata()) {
        cancel(kCancelAnswer);
        return out;
    }
    if (cups.httpGetStatus(c.next()) >= HTTP_STATUS_BAD_REQUEST) {
        const std::string why = cups.cupsLastErrorString();
        cancel(kAnswer);
        Connection again(cups, host, attesa);
        return refused(cups, again, name, why);
    }

    // No answer at all: the job's state is asked over a new connection.
    Connection again(cups, host, attesa);
    const JobState state = again ? job_state(cups, again, job) : JobState::Unknown;
    if (attesa.rinunciata()) return out;
    switch (state) {
        case JobState::Taken: return taken(cups, again, name);
        case JobState::Incoming:
            cups.cupsCancelJob2(again.next(), name.c_str(), job, 0);
            return refused(cups, again, name, "");
        case JobState::Ended: return refused(cups, again, name, "");
        case JobState::Unknown: break;
    }
    out.tipo = EsitoCoda::Ignota;
    out.errore = "IL SERVIZIO DI STAMPA NON HA RISPOSTO: NON SI SA SE LA STAMPANTE " + name +
                 " HA PRESO LA STAMPA.";
    return out;
}

}  // namespace gui
