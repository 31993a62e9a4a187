// Runs the built program as a separate process for the tests: arguments, a working folder
// and a fixed environment in; standard output and error, exit status and peak memory out.
// A watchdog kills a child that runs too long, so a hang shows as a failure.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kz::proces {

struct Opties {
    std::vector<std::string> argumenten{}; // after the program name
    std::string map = ".";               // working folder of the child
    // The whole environment besides PATH, HOME, the sanitizer options and the tests' own
    // fontconfig (always), passed on unless
    // set here. No platform and no display: the batch mode has to choose offscreen itself.
    std::vector<std::string> omgeving = {"LANG=nl_NL.UTF-8"};
    // Largest file the child may write, with SIGXFSZ ignored: a write beyond it fails.
    std::optional<rlim_t> maxBestand{};
    std::chrono::seconds limiet{120};
};

// A new, empty working folder under the temporary folder, by its canonical path.
inline std::filesystem::path nieuweMap(const std::string& voorvoegsel) {
    std::string sjabloon = (std::filesystem::temp_directory_path() / (voorvoegsel + "-XXXXXX")).string();
    if (!::mkdtemp(sjabloon.data())) throw std::runtime_error("geen tijdelijke map: " + sjabloon);
    return std::filesystem::canonical(sjabloon);
}

struct Uitkomst {
    int status = -1;       // exit code, or minus the signal that ended the child
    bool verlopen = false; // killed by the watchdog
    std::string uit, fout; // standard output and standard error
    long piekKb = 0;       // peak resident memory (ru_maxrss)
};

// Runs the program to its end. `tijdens`, when given, is called with the child's pid
// before its output is read, so only for a child that writes less than a pipe holds.
inline Uitkomst draai(const std::string& programma, const Opties& opties,
                      const std::function<void(pid_t)>& tijdens = {}) {
    std::vector<std::string> argv{programma}, envp = opties.omgeving;
#ifdef KZ_FONTCONFIG
    envp.push_back("FONTCONFIG_FILE=" KZ_FONTCONFIG);
#endif
    argv.insert(argv.end(), opties.argumenten.begin(), opties.argumenten.end());
    for (const std::string naam :
         {"PATH", "HOME", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "KZ_PROEF_HERSCHRIJVEN"}) {
        const auto gezet = [&](const std::string& v) { return v.rfind(naam + "=", 0) == 0; };
        const char* w = std::getenv(naam.c_str());
        if (w && std::none_of(envp.begin(), envp.end(), gezet)) envp.push_back(naam + "=" + w);
    }
    std::vector<char*> a{nullptr}, e{nullptr}; // each ends in a null pointer
    for (auto& s : argv) a.insert(a.end() - 1, s.data());
    for (auto& s : envp) e.insert(e.end() - 1, s.data());

    int pijp[2][2]; // standard output, standard error
    if (::pipe2(pijp[0], O_CLOEXEC) != 0 || ::pipe2(pijp[1], O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec; standard input is empty.
        ::dup2(pijp[0][1], 1);
        ::dup2(pijp[1][1], 2);
        ::dup2(::open("/dev/null", O_RDONLY | O_CLOEXEC), 0);
        if (::chdir(opties.map.c_str()) != 0) ::_exit(126);
        if (opties.maxBestand) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{*opties.maxBestand, *opties.maxBestand};
            ::setrlimit(RLIMIT_FSIZE, &r);
        }
        ::execve(a[0], a.data(), e.data());
        ::_exit(127);
    }
    for (auto& p : pijp) ::close(p[1]);
    if (tijdens) tijdens(pid);

    Uitkomst u;
    int fd[2] = {pijp[0][0], pijp[1][0]};
    std::string* naar[2] = {&u.uit, &u.fout};
    const auto einde = std::chrono::steady_clock::now() + opties.limiet;
    while (fd[0] >= 0 || fd[1] >= 0) {
        using namespace std::chrono;
        const long long rest = duration_cast<milliseconds>(einde - steady_clock::now()).count();
        if (rest <= 0 && !std::exchange(u.verlopen, true)) ::kill(pid, SIGKILL);
        pollfd p[2] = {{fd[0], POLLIN, 0}, {fd[1], POLLIN, 0}};
        if (::poll(p, 2, int(std::clamp(rest, 1LL, 1000LL))) < 0 && errno != EINTR) throw std::runtime_error("poll");
        for (int i = 0; i < 2; ++i) {
            if (fd[i] < 0 || !(p[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buf[65536];
            const ssize_t n = ::read(fd[i], buf, sizeof buf);
            if (n > 0) naar[i]->append(buf, std::size_t(n));
            if (n == 0 || (n < 0 && errno != EINTR)) ::close(std::exchange(fd[i], -1));
        }
    }
    int st = 0;
    rusage ru{};
    while (::wait4(pid, &st, 0, &ru) < 0 && errno == EINTR) {
    }
    u.status = WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
    u.piekKb = ru.ru_maxrss;
    return u;
}

// The text split at line feeds; a last line without one is kept too.
inline std::vector<std::string> regels(const std::string& tekst) {
    std::vector<std::string> uit;
    std::istringstream in(tekst);
    for (std::string r; std::getline(in, r);) uit.push_back(r);
    return uit;
}

// A test that runs the built program in a new folder of its own, removed afterwards.
class Programma : public ::testing::Test {
protected:
    void TearDown() override {
        std::error_code fout;
        for (const auto& item : std::filesystem::recursive_directory_iterator(map, fout))
            if (item.is_directory(fout)) std::filesystem::permissions(item.path(), std::filesystem::perms::owner_all, fout);
        std::filesystem::remove_all(map, fout);
    }
    void schrijf(const std::string& naam, const std::string& inhoud) const {
        std::ofstream(map / naam, std::ios::binary) << inhoud;
    }
    // Runs the program in the test's folder, with a small AddressSanitizer quarantine that
    // keeps the runs with many warnings quick.
    Uitkomst draai(std::vector<std::string> argumenten, Opties o = {},
                   const std::function<void(pid_t)>& tijdens = {}) const {
        o.argumenten = std::move(argumenten);
        o.map = map.string();
        const char* asan = std::getenv("ASAN_OPTIONS");
        o.omgeving.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":quarantine_size_mb=8");
        return proces::draai(KZ_PROGRAMMA, o, tijdens);
    }

    const std::filesystem::path map = nieuweMap("kz-programma");
};

} // namespace kz::proces
