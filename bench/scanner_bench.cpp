// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput and memory of the found-log scan, measured against `wc -l` on the same file
// (the plain cost of reading every byte and finding every line end).
//
// At start four exports of 200 MB each (MB = 2^20 bytes; --grootte-mb=N changes it) are
// written to temporary files, which are removed at exit, and read once so that every
// run works from the page cache: the long-line profile (long descriptions and logs), the
// short-line profile (short logs, lines of about 50 bytes on average), one shaped like
// a full GSAK export and one like the site's export of one's own finds (My Finds), whose
// found years come from its logs. Each run of BM_ScanTegenWc times one `wc -l` and then one scan of
// the same file; the summary compares the fastest of each. BM_Zoekpad scans the start of
// each export from memory with each search path the processor has; BM_Buffer reads the
// GSAK-shaped export through the file reader with buffers of several sizes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "foundlog/bron.h"
#include "foundlog/gpxbestand.h"
#include "foundlog/scanner.h"
#include "gpxgen.h"

extern char** environ;

namespace {

using Klok = std::chrono::steady_clock;

// One generated export. The paths are plain arrays so that the signal handler may use them.
struct Profiel {
    Profiel(const char* n, bool k, bool g, bool m = false) : naam(n), kort(k), gsak(g), mijn(m) {}
    const char* naam;
    bool kort, gsak, mijn;
    char pad[512] = "";
    kz::gpxgen::Samenvatting verwacht;
    std::vector<double> scanTijden, wcTijden; // seconds per run of the whole file
    std::size_t waypoints = 0, nederland = 0;
    long long wcRegels = -1;
};

Profiel profielen[] = {{"lang", false, false}, {"kort", true, false}, {"gsak", false, true}, {"mijn", false, false, true}};

void ruimOp() {
    for (Profiel& p : profielen)
        if (p.pad[0] != '\0') ::unlink(p.pad);
}

extern "C" void opSignaal(int signaal) {
    ruimOp();
    std::signal(signaal, SIG_DFL);
    std::raise(signaal);
}

double seconden(Klok::time_point van, Klok::time_point tot) { return std::chrono::duration<double>(tot - van).count(); }

double snelste(const std::vector<double>& tijden) {
    return tijden.empty() ? 0 : *std::min_element(tijden.begin(), tijden.end());
}

// Reads the whole file once so that the measured runs do not wait for the disk.
bool warmOp(const char* pad) {
    const int fd = ::open(pad, O_RDONLY);
    if (fd < 0) return false;
    std::vector<char> blok(1 << 20);
    ssize_t n;
    while ((n = ::read(fd, blok.data(), blok.size())) > 0) {
    }
    ::close(fd);
    return n == 0;
}

bool scanEenmaal(Profiel& p) {
    p.waypoints = p.nederland = 0;
    kz::GpxBestand bestand(p.pad);
    return bestand.open() && bestand.scan([&p](const kz::Waypoint& w) {
        ++p.waypoints;
        p.nederland += w.isnl != 0;
    });
}

// Runs `wc -l PAD` as its own process, as a shell would; returns the line count or -1.
long long wcRegels(const char* pad) {
    int pijp[2];
    if (::pipe(pijp) != 0) return -1;
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, pijp[1], 1);
    posix_spawn_file_actions_addclose(&acties, pijp[0]);
    char wc[] = "wc", l[] = "-l";
    char* argv[] = {wc, l, const_cast<char*>(pad), nullptr};
    pid_t pid = -1;
    const int fout = ::posix_spawnp(&pid, "wc", &acties, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&acties);
    ::close(pijp[1]);
    char uitvoer[256] = "";
    std::size_t n = 0;
    ssize_t k;
    while (fout == 0 && n + 1 < sizeof uitvoer && (k = ::read(pijp[0], uitvoer + n, sizeof uitvoer - 1 - n)) > 0)
        n += std::size_t(k);
    ::close(pijp[0]);
    int status = 0;
    if (fout != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::atoll(uitvoer);
}

// Alternating runs: `wc -l` first, then the scan, in every iteration.
void BM_ScanTegenWc(benchmark::State& state, Profiel* p) {
    for (auto _ : state) {
        auto van = Klok::now();
        p->wcRegels = wcRegels(p->pad);
        const double wc = seconden(van, Klok::now());
        if (p->wcRegels < 0) {
            state.SkipWithError("wc -l mislukte");
            return;
        }
        van = Klok::now();
        const bool gelezen = scanEenmaal(*p);
        const double scan = seconden(van, Klok::now());
        if (!gelezen) {
            state.SkipWithError("het GPX-bestand kon niet gelezen worden");
            return;
        }
        state.SetIterationTime(scan);
        p->scanTijden.push_back(scan);
        p->wcTijden.push_back(wc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * p->verwacht.bytes));
    state.counters["waypoints"] = static_cast<double>(p->waypoints);
}

// The first 16 MB of an export from memory, in pieces of 1 MB, on one search path: the
// search alone, without bringing the file in.
void BM_Zoekpad(benchmark::State& state, kz::Zoekpad pad, const Profiel* p) {
    if (!kz::wordtOndersteund(pad)) {
        state.SkipWithError("deze processor mist dit zoekpad");
        return;
    }
    std::vector<char> tekst(std::size_t{16} << 20);
    const int fd = ::open(p->pad, O_RDONLY);
    const ssize_t n = fd >= 0 ? ::read(fd, tekst.data(), tekst.size()) : 0;
    if (fd >= 0) ::close(fd);
    tekst.resize(n > 0 ? std::size_t(n) : 0);
    std::size_t waypoints = 0;
    for (auto _ : state) {
        kz::Scanner s([&](const kz::Waypoint&) { ++waypoints; }, pad);
        for (std::size_t i = 0; i < tekst.size(); i += 1 << 20)
            s.voedt(tekst.data() + i, std::min<std::size_t>(1 << 20, tekst.size() - i));
        s.einde();
    }
    benchmark::DoNotOptimize(waypoints);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tekst.size()));
}

// The whole GSAK-shaped export through the file's source and the scanner, read in
// pieces of the given size, as the file reader does with its buffer.
void BM_Buffer(benchmark::State& state, const Profiel* p) {
    const std::size_t ruimte = std::size_t(state.range(0)) << 10;
    std::vector<char> buffer(ruimte);
    std::size_t waypoints = 0;
    for (auto _ : state) {
        int fout = 0;
        const auto bron = kz::Bron::open(p->pad, fout);
        if (!bron) {
            state.SkipWithError("het GPX-bestand kon niet geopend worden");
            return;
        }
        kz::Scanner s([&](const kz::Waypoint&) { ++waypoints; });
        for (kz::Bron::Stuk stuk; (stuk = bron->lees(buffer.data(), ruimte)).lengte > 0;) s.voedt(buffer.data(), stuk.lengte);
        s.einde();
    }
    benchmark::DoNotOptimize(waypoints);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * p->verwacht.bytes));
}

// Peak resident memory (KB) of a forked child: one that scans the file, or one that
// does nothing and so shows what the child starts with.
long piekGeheugenKind(Profiel* scan) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) ::_exit(scan && !scanEenmaal(*scan) ? 1 : 0);
    int status = 0;
    rusage gebruik{};
    if (::wait4(pid, &status, 0, &gebruik) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return gebruik.ru_maxrss;
}

// The largest of three differences between a scanning child and an idle one, in MB.
double geheugenBovenBasis(Profiel& p) {
    double grootste = -1;
    for (int i = 0; i < 3; ++i) {
        const long basis = piekGeheugenKind(nullptr);
        const long scan = piekGeheugenKind(&p);
        if (basis < 0 || scan < 0) return -1;
        grootste = std::max(grootste, static_cast<double>(scan - basis) / 1024.0);
    }
    return grootste;
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t grootteMb = 200;
    std::vector<char*> argumenten;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--grootte-mb=", 13) == 0) grootteMb = std::strtoull(argv[i] + 13, nullptr, 10);
        else argumenten.push_back(argv[i]);
    }
    int aantal = static_cast<int>(argumenten.size());
    benchmark::Initialize(&aantal, argumenten.data());
    if (benchmark::ReportUnrecognizedArguments(aantal, argumenten.data())) return 1;
    if (grootteMb == 0) {
        std::fprintf(stderr, "scanner_bench: --grootte-mb moet groter dan 0 zijn\n");
        return 1;
    }

    const char* tmp = std::getenv("TMPDIR");
    std::atexit(ruimOp);
    std::signal(SIGINT, opSignaal);
    std::signal(SIGTERM, opSignaal);
    for (Profiel& p : profielen) {
        std::snprintf(p.pad, sizeof p.pad, "%s/kz_scanner_bench_%s_XXXXXX", tmp && *tmp ? tmp : "/tmp", p.naam);
        const int fd = ::mkstemp(p.pad);
        if (fd < 0) {
            std::fprintf(stderr, "scanner_bench: kan geen tijdelijk bestand maken: %s\n", std::strerror(errno));
            return 1;
        }
        ::close(fd);
        const auto van = Klok::now();
        const kz::gpxgen::Opties opties{.zaad = 2008, .doelBytes = grootteMb << 20, .kort = p.kort, .gsak = p.gsak,
                                            .mijnVondsten = p.mijn};
        if (auto fout = kz::gpxgen::schrijfBestand(p.pad, opties, &p.verwacht)) {
            std::fprintf(stderr, "scanner_bench: %s\n", fout->c_str());
            return 1;
        }
        std::printf("generated %s (%s): %.1f MB, %zu waypoints (%zu Dutch), %zu lines of %.1f bytes on average, in %.2f s\n",
                    p.pad, p.naam, static_cast<double>(p.verwacht.bytes) / (1 << 20), p.verwacht.vondsten,
                    p.verwacht.nederland, p.verwacht.regels,
                    static_cast<double>(p.verwacht.bytes) / static_cast<double>(std::max<std::size_t>(1, p.verwacht.regels)),
                    seconden(van, Klok::now()));
        if (!warmOp(p.pad)) {
            std::fprintf(stderr, "scanner_bench: kan %s niet lezen\n", p.pad);
            return 1;
        }
        benchmark::RegisterBenchmark((std::string("BM_ScanTegenWc/") + p.naam).c_str(), BM_ScanTegenWc, &p)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(15);
    }
    for (const Profiel& p : profielen)
        for (kz::Zoekpad pad : kz::alleZoekpaden)
            benchmark::RegisterBenchmark((std::string("BM_Zoekpad/") + kz::naamVan(pad) + "/" + p.naam).c_str(),
                                         BM_Zoekpad, pad, &p)
                ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Buffer/gsak", BM_Buffer, &profielen[2])
        ->Unit(benchmark::kMillisecond)
        ->RangeMultiplier(2)
        ->Range(64, 4096);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n");
    for (Profiel& p : profielen) {
        if (p.scanTijden.empty()) continue;
        const bool klopt = p.waypoints == p.verwacht.vondsten && p.nederland == p.verwacht.nederland &&
                           p.wcRegels == static_cast<long long>(p.verwacht.regels);
        const double scan = snelste(p.scanTijden), wc = snelste(p.wcTijden);
        const double mb = static_cast<double>(p.verwacht.bytes) / (1 << 20);
        std::printf("%s: scan %.1f ms (%.0f MB/s), wc -l %.1f ms (%.0f MB/s), fastest of %zu alternating runs; "
                    "scan speed / wc -l speed %.2f (for information: bench/end_to_end.sh checks the targets); counts %s\n",
                    p.naam, scan * 1000, mb / scan, wc * 1000, mb / wc, p.scanTijden.size(), wc / scan,
                    klopt ? "ok" : "MISMATCH");
        const double geheugen = geheugenBovenBasis(p);
        if (geheugen >= 0) std::printf("%s: peak memory above baseline %.1f MB (target < 16 MB)\n", p.naam, geheugen);
        else std::printf("%s: peak memory not measured (a child failed)\n", p.naam);
    }
    return 0;
}
