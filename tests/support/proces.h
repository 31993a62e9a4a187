// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program as a separate process, with a watchdog that kills a hang.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kz::proces {

struct Opties {
    // Besides PATH, HOME, the sanitizer options and the fontconfig; no platform, no display.
    std::vector<std::string> omgeving = {"LANG=nl_NL.UTF-8"};
    // Largest file the child may write, with SIGXFSZ ignored: a write beyond it fails.
    std::optional<rlim_t> maxBestand{};
    // Both into one named file in the working folder, as ">log 2>&1" does ("uit" holds it).
    bool samen = false;
    std::chrono::seconds limiet{120};
};

struct Uitkomst {
    int status = -1;       // exit code, or minus the signal that ended the child
    bool verlopen = false; // killed by the watchdog
    std::string uit, fout; // standard output and standard error
    long piekKb = 0;       // peak resident memory (ru_maxrss)
};

// The text split at line feeds; a last line without one is kept too.
inline std::vector<std::string> regels(const std::string& tekst) {
    std::vector<std::string> uit;
    std::istringstream in(tekst);
    for (std::string r; std::getline(in, r);) uit.push_back(r);
    return uit;
}

// A test that runs the built program in a new, empty folder of its own under the temporary
// folder, removed afterwards.
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

    // The program with these arguments, in the test's folder.
    Uitkomst draai(std::vector<std::string> argumenten, const Opties& opties = {}) const {
        std::vector<std::string> argv{KZ_PROGRAMMA}, envp = opties.omgeving;
        argv.insert(argv.end(), argumenten.begin(), argumenten.end());
        // A small AddressSanitizer quarantine keeps the runs with many warnings quick.
        const char* asan = std::getenv("ASAN_OPTIONS");
        envp.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":quarantine_size_mb=8");
#ifdef KZ_FONTCONFIG
        envp.push_back("FONTCONFIG_FILE=" KZ_FONTCONFIG);
#endif
        for (const std::string naam : {"PATH", "HOME", "UBSAN_OPTIONS", "LSAN_OPTIONS", "KZ_PROEF_HERSCHRIJVEN"}) {
            const auto gezet = [&](const std::string& v) { return v.rfind(naam + "=", 0) == 0; };
            const char* w = std::getenv(naam.c_str());
            if (w && std::none_of(envp.begin(), envp.end(), gezet)) envp.push_back(naam + "=" + w);
        }
        std::vector<char*> a{nullptr}, e{nullptr}; // each ends in a null pointer
        for (auto& s : argv) a.insert(a.end() - 1, s.data());
        for (auto& s : envp) e.insert(e.end() - 1, s.data());

        // The output goes to files in memory, read once the child has ended.
        const int uit = opties.samen ? ::open((map / "log").c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)
                                     : ::memfd_create("uit", MFD_CLOEXEC);
        const int fout = ::memfd_create("fout", MFD_CLOEXEC);
        if (uit < 0 || fout < 0) throw std::runtime_error("memfd_create");
        const pid_t pid = ::fork();
        if (pid < 0) throw std::runtime_error("fork");
        if (pid == 0) {
            // Only async-signal-safe calls between fork and exec; standard input is empty.
            ::dup2(uit, 1);
            ::dup2(opties.samen ? uit : fout, 2);
            ::dup2(::open("/dev/null", O_RDONLY | O_CLOEXEC), 0);
            if (::chdir(map.c_str()) != 0) ::_exit(126);
            if (opties.maxBestand) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit r{*opties.maxBestand, *opties.maxBestand};
                ::setrlimit(RLIMIT_FSIZE, &r);
            }
            ::execve(a[0], a.data(), e.data());
            ::_exit(127);
        }

        Uitkomst u;
        int st = 0;
        rusage ru{};
        const auto einde = std::chrono::steady_clock::now() + opties.limiet;
        for (pid_t klaar; (klaar = ::wait4(pid, &st, WNOHANG, &ru)) != pid;) {
            if (klaar < 0 && errno != EINTR) throw std::runtime_error("wait4");
            if (std::chrono::steady_clock::now() > einde && !std::exchange(u.verlopen, true)) ::kill(pid, SIGKILL);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        u.status = WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
        u.piekKb = ru.ru_maxrss;
        for (const auto& [fd, naar] : {std::pair{uit, &u.uit}, {fout, &u.fout}}) {
            naar->resize(std::size_t(::lseek(fd, 0, SEEK_END)));
            if (::pread(fd, naar->data(), naar->size(), 0) != ssize_t(naar->size())) throw std::runtime_error("pread");
            ::close(fd);
        }
        return u;
    }

    // By its canonical path.
    const std::filesystem::path map = [] {
        std::string sjabloon = (std::filesystem::temp_directory_path() / "kz-programma-XXXXXX").string();
        if (!::mkdtemp(sjabloon.data())) throw std::runtime_error("geen tijdelijke map: " + sjabloon);
        return std::filesystem::canonical(sjabloon);
    }();
};

} // namespace kz::proces
