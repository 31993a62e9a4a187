// Throughput and memory of the found-log scan on a large realistic export, measured
// against `wc -l` on the same file (the plain cost of finding every line end).
//
// At start a 200 MB export (MB = 2^20 bytes; --grootte-mb=N changes it) is written to a
// temporary file, which is removed at exit, and read once so that every run works from
// the page cache. The summary at the end compares the median runs.
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
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "foundlog/scanner.h"
#include "gpxgen.h"

namespace {

using Klok = std::chrono::steady_clock;

// The temporary file; a plain array so that the signal handler may use it.
char tijdelijkPad[512] = "";
std::uint64_t bestandGrootte = 0;
kz::gpxgen::Samenvatting verwacht;

std::vector<double> scanTijden; // seconds per scan of the whole file
std::vector<double> wcTijden;   // seconds per `wc -l` of the whole file
std::size_t gescandeWaypoints = 0;
std::size_t gescandNederland = 0;
long long wcRegels = -1;

void ruimOp() {
    if (tijdelijkPad[0] != '\0') ::unlink(tijdelijkPad);
    tijdelijkPad[0] = '\0';
}

extern "C" void opSignaal(int signaal) {
    if (tijdelijkPad[0] != '\0') ::unlink(tijdelijkPad);
    std::signal(signaal, SIG_DFL);
    std::raise(signaal);
}

double seconden(Klok::time_point van, Klok::time_point tot) { return std::chrono::duration<double>(tot - van).count(); }

double mediaan(std::vector<double> waarden) {
    if (waarden.empty()) return 0;
    std::sort(waarden.begin(), waarden.end());
    const std::size_t m = waarden.size() / 2;
    return waarden.size() % 2 ? waarden[m] : (waarden[m - 1] + waarden[m]) / 2;
}

double mbPerSeconde(double s) { return s > 0 ? static_cast<double>(bestandGrootte) / (1 << 20) / s : 0; }

// Reads the whole file once so that the measured runs do not wait for the disk.
bool warmOp() {
    const int fd = ::open(tijdelijkPad, O_RDONLY);
    if (fd < 0) return false;
    std::vector<char> blok(1 << 20);
    ssize_t n;
    while ((n = ::read(fd, blok.data(), blok.size())) > 0) {
    }
    ::close(fd);
    return n == 0;
}

struct ScanUitkomst {
    std::size_t waypoints = 0;
    std::size_t nederland = 0;
};

std::optional<std::string> scanEenmaal(ScanUitkomst& u) {
    u = {};
    return kz::scanBestand(tijdelijkPad, [&u](const kz::Waypoint& w) {
        ++u.waypoints;
        u.nederland += w.isnl != 0;
    });
}

void BM_ScanBestand(benchmark::State& state) {
    ScanUitkomst u;
    for (auto _ : state) {
        const auto van = Klok::now();
        const auto fout = scanEenmaal(u);
        const auto tot = Klok::now();
        if (fout) {
            state.SkipWithError(fout->c_str());
            return;
        }
        benchmark::DoNotOptimize(u.waypoints);
        scanTijden.push_back(seconden(van, tot));
    }
    gescandeWaypoints = u.waypoints;
    gescandNederland = u.nederland;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bestandGrootte));
    state.counters["waypoints"] = static_cast<double>(u.waypoints);
}

void BM_WcRegels(benchmark::State& state) {
    const std::string opdracht = std::string("wc -l < '") + tijdelijkPad + "'";
    for (auto _ : state) {
        const auto van = Klok::now();
        std::FILE* p = ::popen(opdracht.c_str(), "r");
        if (!p) {
            state.SkipWithError("wc -l kon niet starten");
            return;
        }
        char uitvoer[64] = "";
        const bool gelezen = std::fgets(uitvoer, sizeof uitvoer, p) != nullptr;
        const int status = ::pclose(p);
        const auto tot = Klok::now();
        if (!gelezen || status != 0) {
            state.SkipWithError("wc -l mislukte");
            return;
        }
        wcRegels = std::atoll(uitvoer);
        state.SetIterationTime(seconden(van, tot));
        wcTijden.push_back(seconden(van, tot));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bestandGrootte));
    state.counters["regels"] = static_cast<double>(wcRegels);
}

BENCHMARK(BM_ScanBestand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_WcRegels)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

// Peak resident memory (KB) of a forked child: one that scans the file, or one that
// does nothing and so shows what the child starts with.
long piekGeheugenKind(bool scan) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        int code = 0;
        if (scan) {
            ScanUitkomst u;
            code = scanEenmaal(u) ? 1 : 0;
        }
        ::_exit(code);
    }
    int status = 0;
    rusage gebruik{};
    if (::wait4(pid, &status, 0, &gebruik) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return gebruik.ru_maxrss;
}

// The largest of three differences between a scanning child and an idle one, in MB.
double geheugenBovenBasis() {
    double grootste = -1;
    for (int i = 0; i < 3; ++i) {
        const long basis = piekGeheugenKind(false);
        const long scan = piekGeheugenKind(true);
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
    std::snprintf(tijdelijkPad, sizeof tijdelijkPad, "%s/kz_scanner_bench_XXXXXX", tmp && *tmp ? tmp : "/tmp");
    const int fd = ::mkstemp(tijdelijkPad);
    if (fd < 0) {
        std::fprintf(stderr, "scanner_bench: kan geen tijdelijk bestand maken in %s: %s\n", tmp ? tmp : "/tmp",
                     std::strerror(errno));
        return 1;
    }
    ::close(fd);
    std::atexit(ruimOp);
    std::signal(SIGINT, opSignaal);
    std::signal(SIGTERM, opSignaal);

    kz::gpxgen::Opties opties;
    opties.zaad = 2008;
    opties.doelBytes = grootteMb << 20;
    const auto van = Klok::now();
    if (auto fout = kz::gpxgen::schrijfBestand(tijdelijkPad, opties, &verwacht)) {
        std::fprintf(stderr, "scanner_bench: %s\n", fout->c_str());
        return 1;
    }
    bestandGrootte = verwacht.bytes;
    std::printf("generated %s: %.1f MB, %zu waypoints (%zu Dutch), %zu lines in %.2f s\n", tijdelijkPad,
                static_cast<double>(bestandGrootte) / (1 << 20), verwacht.vondsten, verwacht.nederland,
                verwacht.regels, seconden(van, Klok::now()));
    if (!warmOp()) {
        std::fprintf(stderr, "scanner_bench: kan %s niet lezen\n", tijdelijkPad);
        return 1;
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double geheugen = geheugenBovenBasis();

    std::printf("\n");
    if (!scanTijden.empty()) {
        const bool klopt = gescandeWaypoints == verwacht.vondsten && gescandNederland == verwacht.nederland;
        std::printf("scan found %zu waypoints (%zu Dutch), generator wrote %zu (%zu Dutch): %s\n", gescandeWaypoints,
                    gescandNederland, verwacht.vondsten, verwacht.nederland, klopt ? "ok" : "MISMATCH");
    }
    if (!wcTijden.empty())
        std::printf("wc -l counted %lld lines, generator wrote %zu: %s\n", wcRegels, verwacht.regels,
                    wcRegels == static_cast<long long>(verwacht.regels) ? "ok" : "MISMATCH");
    const double scan = mbPerSeconde(mediaan(scanTijden));
    const double wc = mbPerSeconde(mediaan(wcTijden));
    if (!scanTijden.empty() && !wcTijden.empty())
        std::printf("scan: %.0f MB/s  wc -l: %.0f MB/s  ratio: %.2f (target >= 0.5)  [medians of %zu and %zu runs]\n",
                    scan, wc, wc > 0 ? scan / wc : 0.0, scanTijden.size(), wcTijden.size());
    if (geheugen >= 0) std::printf("peak memory above baseline: %.1f MB (target < 16 MB)\n", geheugen);
    else std::printf("peak memory above baseline: not measured (a child failed)\n");
    return 0;
}
