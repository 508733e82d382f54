#pragma once

#include <csignal>
#include <sys/resource.h>

namespace test
{
/** Lowers the largest file size this process may write, so that writes are
    cut short as on a full disk; the signal such a write raises is ignored
    while the limit holds.
*/
class ScopedFileSizeLimit final
{
public:
    explicit ScopedFileSizeLimit (rlim_t bytes)
    {
        getrlimit (RLIMIT_FSIZE, &previous);
        previousHandler = std::signal (SIGXFSZ, SIG_IGN);
        auto lowered = previous;
        lowered.rlim_cur = bytes;
        setrlimit (RLIMIT_FSIZE, &lowered);
    }

    ~ScopedFileSizeLimit()
    {
        setrlimit (RLIMIT_FSIZE, &previous);
        std::signal (SIGXFSZ, previousHandler);
    }

    ScopedFileSizeLimit (const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator= (const ScopedFileSizeLimit&) = delete;

private:
    rlimit previous {};
    void (*previousHandler) (int) = SIG_DFL;
};
} // namespace test
