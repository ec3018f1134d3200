#include "gui/coda_stampa.h"

#include <sys/socket.h>
#include <algorithm>

#include <cups/cups.h>

namespace gui {

namespace {

// How long the program waits for the print service: to connect, and for
// any one answer after that. A service that does not answer in time counts
// as not there (connect) or as a job not taken (afterwards).
constexpr int kConnectMs = 5000;
constexpr double kAnswerSeconds = 20.0;

// Stops a wait once its time is up (libcups asks whether to go on waiting).
int stop_waiting(http_t*, void*) { return 0; }

struct Connection {
    http_t* http = nullptr;
    ~Connection() {
        if (http) httpClose(http);
    }
};

struct Dest {
    cups_dest_t* dest = nullptr;
    ~Dest() {
        if (dest) cupsFreeDests(1, dest);
    }
};

struct Options {
    int count = 0;
    cups_option_t* list = nullptr;
    ~Options() { cupsFreeOptions(count, list); }
    void add(const char* name, const std::string& value) {
        count = cupsAddOption(name, value.c_str(), count, &list);
    }
};

struct Answer {
    ipp_t* ipp = nullptr;
    explicit Answer(ipp_t* a) : ipp(a) {}
    ~Answer() { ippDelete(ipp); }
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;
};

struct PrinterState {
    bool answered = false;
    bool accepting = true;
    bool stopped = false;
    std::string message;
};

// The printer's state as the service tells it now.
PrinterState printer_state(http_t* http, const std::string& name) {
    PrinterState st;
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    const Answer answer(cupsDoRequest(http, request, "/"));
    if (!answer.ipp || ippGetStatusCode(answer.ipp) > IPP_STATUS_OK_CONFLICTING) return st;
    st.answered = true;
    if (ipp_attribute_t* a =
            ippFindAttribute(answer.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        st.accepting = ippGetBoolean(a, 0) != 0;
    if (ipp_attribute_t* a = ippFindAttribute(answer.ipp, "printer-state", IPP_TAG_ENUM))
        st.stopped = ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* a = ippFindAttribute(answer.ipp, "printer-state-message", IPP_TAG_TEXT))
        if (const char* m = ippGetString(a, 0, nullptr)) st.message = m;
    return st;
}

// How many printers the service has; -1 when it does not answer.
int printer_count(http_t* http) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    const Answer answer(cupsDoRequest(http, request, "/"));
    if (!answer.ipp) return -1;
    if (ippGetStatusCode(answer.ipp) == IPP_STATUS_ERROR_NOT_FOUND) return 0;
    if (ippGetStatusCode(answer.ipp) > IPP_STATUS_OK_CONFLICTING) return -1;
    int n = 0;
    for (ipp_attribute_t* a = ippFindAttribute(answer.ipp, "printer-name", IPP_TAG_NAME); a;
         a = ippFindNextAttribute(answer.ipp, "printer-name", IPP_TAG_NAME))
        ++n;
    return n;
}

std::string with_reason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text + "." : text + ": " + reason + ".";
}

// What the user is told of a job the printer did not take.
EsitoCoda refused(http_t* http, const std::string& name, const std::string& service_error) {
    EsitoCoda out;
    out.tipo = EsitoCoda::Rifiutata;
    out.stampante = name;
    const PrinterState st = printer_state(http, name);
    if (st.answered && !st.accepting)
        out.errore = with_reason("LA STAMPANTE " + name + " NON ACCETTA STAMPE", st.message);
    else
        out.errore = with_reason("LA STAMPANTE " + name + " NON HA PRESO LA STAMPA", service_error);
    out.motivo = st.message;
    return out;
}

}  // namespace

EsitoCoda invia_alla_stampante(std::string_view pdf, const std::string& title, int copies,
                               const std::string& server) {
    const std::string host = server.empty() ? cupsServer() : server;
    auto connect = [&host] {
        http_t* http = httpConnect2(host.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                    1, kConnectMs, nullptr);
        if (http) httpSetTimeout(http, kAnswerSeconds, stop_waiting, nullptr);
        return http;
    };
    EsitoCoda out;
    Connection c;
    c.http = connect();
    if (!c.http) return out;  // NoServizio

    // The user's default printer, as the print settings name it; when it
    // is gone the page goes to no other.
    Dest d;
    d.dest = cupsGetNamedDest(c.http, nullptr, nullptr);
    if (!d.dest) {
        const int printers = printer_count(c.http);
        out.tipo = printers < 0    ? EsitoCoda::NoServizio
                   : printers == 0 ? EsitoCoda::NoStampanti
                                   : EsitoCoda::NoPredefinita;
        return out;
    }
    const std::string name = d.dest->name;
    out.stampante = name;

    const PrinterState before = printer_state(c.http, name);
    if (before.answered && !before.accepting) return refused(c.http, name, "");

    Options options;
    options.add("copies", std::to_string(std::max(copies, 1)));
    if (copies > 1) options.add("multiple-document-handling", "separate-documents-collated-copies");
    const int job = cupsCreateJob(c.http, name.c_str(), title.c_str(), options.count, options.list);
    if (job <= 0) return refused(c.http, name, cupsLastErrorString());

    bool whole = cupsStartDocument(c.http, name.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) ==
                 HTTP_STATUS_CONTINUE;
    constexpr std::size_t kBlock = 64 * 1024;
    for (std::size_t at = 0; whole && at < pdf.size(); at += kBlock) {
        const std::size_t n = std::min(kBlock, pdf.size() - at);
        whole = cupsWriteRequestData(c.http, pdf.data() + at, n) == HTTP_STATUS_CONTINUE;
    }
    // The service's answer is read only once the document went whole.
    if (!whole || cupsFinishDocument(c.http, name.c_str()) > IPP_STATUS_OK_CONFLICTING) {
        const std::string why = cupsLastErrorString();
        // A job that did not get its document whole must not print a part.
        // The connection may be left in the middle of the document: the
        // job is cancelled over a new one.
        Connection again;
        again.http = connect();
        if (!again.http) {
            out.tipo = EsitoCoda::Rifiutata;
            out.errore = with_reason("LA STAMPANTE " + name + " NON HA PRESO LA STAMPA", why);
            return out;
        }
        cupsCancelJob2(again.http, name.c_str(), job, 0);
        return refused(again.http, name, why);
    }

    const PrinterState after = printer_state(c.http, name);
    out.tipo = after.stopped ? EsitoCoda::InAttesa : EsitoCoda::Inviata;
    out.motivo = after.message;
    return out;
}

}  // namespace gui
