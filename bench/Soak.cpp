// A soak run: many evaluations and library calls through the exported interface, with the
// resident memory measured after a warm-up and at the end.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "host/TestHost.h"

namespace {

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs `work` `count` times after `warmup` runs; answers the growth in kilobytes.
template <class Work>
long Growth(const char* what, long warmup, long count, Work work) {
    for (long i = 0; i < warmup; ++i) work();
    const long before = ResidentKilobytes();
    for (long i = 0; i < count; ++i) work();
    const long after = ResidentKilobytes();
    std::printf("%s: %ld runs, resident %ld kB after warm-up, %ld kB at the end, growth %ld kB\n", what,
                count, before, after, after - before);
    return after - before;
}

}  // namespace

int main(int argc, char** argv) {
    const long evaluations = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const long calls = argc > 2 ? std::atol(argv[2]) : 100'000;
    zorhost::TestHost host(ZOR_PLUGIN_FILE);
    host.Register();
    if (!host.Exec(1, {"status"})) return 1;
    bool ok = true;
    const long evalGrowth = Growth("evaluations", 20'000, evaluations, [&] {
        ok = host.Exec(2, {"puts 'soak'; [1, 2].sum * 21", "out", "res"}) && ok;
    });
    const long callGrowth = Growth("library calls", 2'000, calls, [&] {
        ok = host.Exec(3, {ZOR_COMPANION, "Echo", "soak", "res"}) && ok;
    });
    if (!ok || host.Variable("[res]") != "a:soak") {
        std::printf("an action failed: %s\n", host.Variable("[LastError]").c_str());
        return 1;
    }
    const bool within = evalGrowth < 2048 && callGrowth < 2048;
    std::printf("%s\n", within ? "growth within 2 MB" : "growth beyond 2 MB");
    return within ? 0 : 1;
}
