// How long each program takes from the moment it is started to its window
// shown and painted, and its peak resident memory (the probe ends right
// after that paint), each beside the same figures of an empty Qt window of
// the same size (the floor) measured in the same repetition. The probes run as separate processes, so
// loading the libraries, connecting to the display and the fonts all count.
//
// Run under an X server (bench/run.sh starts Xvfb) with QT_QPA_PLATFORM=xcb,
// or offscreen.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProbeRun {
  bool ok = false;
  double seconds = 0;   // from just before the spawn to the painted window
  double peakMiB = 0;   // ru_maxrss of the probe over its whole life
  int width = 0;
  int height = 0;
};

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

ProbeRun RunProbe(const std::vector<std::string>& command) {
  ProbeRun run;
  int out[2];
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  const long long started = MonotonicNanoseconds();
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return run;
  }
  std::string report;
  char buffer[256];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(got));
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);

  long long painted = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(report.c_str(), "painted_ns=%lld width=%d height=%d", &painted, &run.width, &run.height) != 3) {
    return run;
  }
  run.ok = true;
  run.seconds = static_cast<double>(painted - started) / 1e9;
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return run;
}

// The program's window size, for the floor, from starts that are not
// counted: the very first start of a binary reads it from disk, a cost that
// belongs neither to a usual start nor to the floor.
struct WarmProbe {
  bool ok = false;
  std::string width, height;
};

const WarmProbe& WarmUp(const std::string& probe, const std::string& floorProbe) {
  static std::map<std::string, WarmProbe> warmed;
  auto found = warmed.find(probe);
  if (found != warmed.end()) return found->second;
  WarmProbe& warm = warmed[probe];
  RunProbe({probe});
  const ProbeRun run = RunProbe({probe});
  if (!run.ok) return warm;
  warm.width = std::to_string(run.width);
  warm.height = std::to_string(run.height);
  warm.ok = RunProbe({floorProbe, warm.width, warm.height}).ok;
  return warm;
}

// One repetition runs the program and the floor at the program's window
// size, in turns one first and then the other, so that a burst of load on
// the machine falls on both alike.
void Startup(benchmark::State& state, const char* probe) {
  static const std::string floorProbe = FLOOR_PROBE;
  const WarmProbe& warm = WarmUp(probe, floorProbe);
  static int repetition = 0;
  for (auto _ : state) {
    if (!warm.ok) {
      state.SkipWithError("a probe did not report its first paint");
      break;
    }
    const bool floorFirst = repetition++ % 2 == 1;
    ProbeRun floor;
    if (floorFirst) floor = RunProbe({floorProbe, warm.width, warm.height});
    const ProbeRun program = RunProbe({probe});
    if (!floorFirst) floor = RunProbe({floorProbe, warm.width, warm.height});
    if (!program.ok || !floor.ok) {
      state.SkipWithError("a probe did not report its first paint");
      break;
    }
    state.SetIterationTime(program.seconds);
    state.counters["floor_ms"] = floor.seconds * 1e3;
    state.counters["peak_MiB"] = program.peakMiB;
    state.counters["floor_peak_MiB"] = floor.peakMiB;
    // The ratio within each pair, whose median shrugs off load that comes
    // and goes between repetitions better than the ratio of the medians.
    state.counters["time_ratio"] = program.seconds / floor.seconds;
    state.counters["memory_ratio"] = program.peakMiB / floor.peakMiB;
  }
}

constexpr int kRepetitions = 25;

BENCHMARK_CAPTURE(Startup, seg7demo, SEG7DEMO_PROBE)
    ->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, baudfind, BAUDFIND_PROBE)
    ->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, radixconv, RADIXCONV_PROBE)
    ->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
