// A disk that takes only so many bytes in any one file, for root as for
// anyone: a write past them fails part-way, as on a full disk. The limit
// holds for the whole process while the object lives.
#pragma once

#include <csignal>
#include <cstdint>

#include <sys/resource.h>

namespace ga::test {

class DiscoPieno {
public:
    explicit DiscoPieno(std::uintmax_t byte_per_file) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        // Past the limit a write fails with EFBIG instead of ending the process.
        gestore_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = prima_;
        r.rlim_cur = static_cast<rlim_t>(byte_per_file);
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoPieno() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, gestore_);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

private:
    rlimit prima_{};
    void (*gestore_)(int) = nullptr;
};

}  // namespace ga::test
