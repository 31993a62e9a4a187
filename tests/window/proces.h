// Runs the built program as a separate process for the tests: arguments, a working
// folder and a fixed environment in; standard output, standard error, the exit status
// and the child's peak memory out. A watchdog kills a child that runs too long, so a
// hang shows as a failure instead of stopping the test run.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kz::proces {

struct Opties {
    std::vector<std::string> argumenten; // after the program name
    std::string map = ".";               // working folder of the child
    // The child's whole environment besides PATH, HOME and the sanitizer options, which
    // are passed on from this process unless set here.
    std::vector<std::string> omgeving = {"LANG=C", "LC_ALL=C", "QT_QPA_PLATFORM=offscreen"};
    // Largest file the child may write (RLIMIT_FSIZE), with SIGXFSZ ignored so that a
    // write beyond it fails instead of killing the child.
    std::optional<rlim_t> maxBestand;
    std::chrono::seconds limiet{120};
};

struct Uitkomst {
    int status = -1;      // exit code; -1 when the child did not exit normally
    int signaal = 0;      // the signal that ended it, if any
    bool verlopen = false; // killed by the watchdog
    std::string uit;      // standard output
    std::string fout;     // standard error
    long piekKb = 0;      // peak resident memory (ru_maxrss)
};

// A running child. wacht() collects its output and status; a child that is never
// waited for is killed and reaped when the object goes.
class Proces {
public:
    Proces(const std::string& programma, const Opties& opties) : limiet_(opties.limiet) {
        std::vector<std::string> argv{programma};
        argv.insert(argv.end(), opties.argumenten.begin(), opties.argumenten.end());
        std::vector<std::string> envp = opties.omgeving;
        for (const char* naam : {"PATH", "HOME", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            const std::string voorvoegsel = std::string(naam) + "=";
            const bool gezet = std::any_of(envp.begin(), envp.end(),
                                           [&](const std::string& v) { return v.rfind(voorvoegsel, 0) == 0; });
            if (const char* w = std::getenv(naam); w && !gezet) envp.push_back(voorvoegsel + w);
        }
        std::vector<char*> a, e;
        for (auto& s : argv) a.push_back(s.data());
        for (auto& s : envp) e.push_back(s.data());
        a.push_back(nullptr);
        e.push_back(nullptr);

        int uitPijp[2], foutPijp[2];
        if (::pipe2(uitPijp, O_CLOEXEC) != 0 || ::pipe2(foutPijp, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            // Only async-signal-safe calls between fork and exec.
            ::dup2(uitPijp[1], 1);
            ::dup2(foutPijp[1], 2);
            const int leeg = ::open("/dev/null", O_RDONLY);
            if (leeg > 0) {
                ::dup2(leeg, 0);
                ::close(leeg);
            }
            if (::chdir(opties.map.c_str()) != 0) ::_exit(126);
            if (opties.maxBestand) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit r{*opties.maxBestand, *opties.maxBestand};
                ::setrlimit(RLIMIT_FSIZE, &r);
            }
            ::execve(a[0], a.data(), e.data());
            ::_exit(127);
        }
        ::close(uitPijp[1]);
        ::close(foutPijp[1]);
        uitFd_ = uitPijp[0];
        foutFd_ = foutPijp[0];
    }

    Proces(const Proces&) = delete;
    Proces& operator=(const Proces&) = delete;

    ~Proces() {
        if (pid_ > 0 && !klaar_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (uitFd_ >= 0) ::close(uitFd_);
        if (foutFd_ >= 0) ::close(foutFd_);
    }

    pid_t pid() const { return pid_; }

    Uitkomst wacht() {
        Uitkomst u;
        const auto einde = std::chrono::steady_clock::now() + limiet_;
        while (uitFd_ >= 0 || foutFd_ >= 0) {
            pollfd p[2] = {{uitFd_, POLLIN, 0}, {foutFd_, POLLIN, 0}};
            const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(einde - std::chrono::steady_clock::now());
            if (rest.count() <= 0 && !u.verlopen) {
                u.verlopen = true;
                ::kill(pid_, SIGKILL);
            }
            const int n = ::poll(p, 2, u.verlopen ? 1000 : int(std::min<long long>(rest.count(), 1000)));
            if (n < 0 && errno != EINTR) break;
            leesUit(p[0], uitFd_, u.uit);
            leesUit(p[1], foutFd_, u.fout);
        }
        int st = 0;
        rusage ru{};
        while (::wait4(pid_, &st, 0, &ru) < 0 && errno == EINTR) {
        }
        klaar_ = true;
        if (WIFEXITED(st)) u.status = WEXITSTATUS(st);
        if (WIFSIGNALED(st)) u.signaal = WTERMSIG(st);
        u.piekKb = ru.ru_maxrss;
        return u;
    }

private:
    static void leesUit(const pollfd& p, int& fd, std::string& naar) {
        if (fd < 0 || !(p.revents & (POLLIN | POLLHUP | POLLERR))) return;
        char buf[65536];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            naar.append(buf, std::size_t(n));
        } else if (n == 0 || errno != EINTR) {
            ::close(fd);
            fd = -1;
        }
    }

    std::chrono::seconds limiet_;
    pid_t pid_ = -1;
    int uitFd_ = -1;
    int foutFd_ = -1;
    bool klaar_ = false;
};

inline Uitkomst draai(const std::string& programma, const Opties& opties) {
    Proces p(programma, opties);
    return p.wacht();
}

// The text split at line feeds; a last line without one is kept too.
inline std::vector<std::string> regels(const std::string& tekst) {
    std::vector<std::string> uit;
    std::size_t b = 0;
    while (b < tekst.size()) {
        const std::size_t e = tekst.find('\n', b);
        if (e == std::string::npos) {
            uit.push_back(tekst.substr(b));
            break;
        }
        uit.push_back(tekst.substr(b, e - b));
        b = e + 1;
    }
    return uit;
}

} // namespace kz::proces
