// Exchange benchmark: the library against the camera simulator pacing its
// line at 9600 baud. Reports the median wall time of an acknowledged write
// and of a read, each against the line's floor (2 x 14 characters of 10 bits
// at 9600 baud + the 30 ms pause = 59.17 ms), the CPU time the caller spends
// per exchange, and one write against a silent camera against its bound
// (20 x (14.58 ms + 140 ms) + 30 ms = 3.12 s).
//
// With --instant the simulator answers at once instead of pacing its line;
// the floor is then the 30 ms pause alone, the figure to set beside the same
// run of the DLL under Wine (library_windows_bench, see the README).
//
// With --late N it runs N rounds of a write and a read-back against a camera
// that holds every other reply back beyond the read window (simulator
// --fault late:50) and counts the read-backs that were accepted with a value
// other than the one just written: a late reply taken for a newer exchange's.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Ocel400.h"
#include "bench_command_line.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kCharacterMs = 10.0 * 1000.0 / 9600.0;
constexpr double kLineFloorMs = 28 * kCharacterMs + 30.0;
constexpr double kPauseMs = 30.0;
constexpr double kSilentBoundMs = 20 * (14 * kCharacterMs + 140.0) + 30.0;

// The simulator as a child process, with its pty behind a stable link.
class Simulator {
 public:
  Simulator(const fs::path& program, const fs::path& link, std::vector<std::string> extra) {
    std::vector<std::string> args{program.string(), "--model", "1", "--link", link.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
      std::perror("posix_spawn");
      std::exit(1);
    }
    for (int i = 0; i < 200 && !fs::exists(link); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~Simulator() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }

 private:
  pid_t pid_ = 0;
};

double threadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Figures {
  double medianMs;
  double medianCpuMs;  // the caller's thread, per exchange
  double meanCpuMs;
  bool allAnswered;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

Figures measure(int count, const std::function<void(int)>& exchange) {
  std::vector<double> wall, cpu;
  bool answered = true;
  for (int i = 0; i < count; ++i) {
    const auto start = Clock::now();
    const double cpuStart = threadCpuMs();
    exchange(i);
    cpu.push_back(threadCpuMs() - cpuStart);
    wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    answered = answered && LastResult() == OCEL400_DONE;
  }
  double cpuSum = 0;
  for (double c : cpu) cpuSum += c;
  return {median(wall), median(cpu), cpuSum / count, answered};
}

// Rounds of SetShape(v) then GetShape() with a new v each round.
void measureLateReplies(int rounds) {
  int stale = 0, unanswered = 0;
  std::vector<double> roundMs;
  for (int i = 0; i < rounds; ++i) {
    const int written = 100 + i % 100;
    const auto start = Clock::now();
    SetShape(static_cast<std::uint16_t>(written));
    const int read = GetShape();
    roundMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (LastResult() != OCEL400_DONE) ++unanswered;
    else if (read != written) ++stale;
  }
  std::printf(
      "late replies (late:50): %d rounds of write + read-back, %d stale values accepted, "
      "%d read-backs unanswered, round median %.0f ms\n",
      rounds, stale, unanswered, median(roundMs));
}

void report(const char* what, const Figures& f, double floorMs) {
  std::printf("%-28s median %7.2f ms  ratio %.3f  cpu median %.3f ms, mean %.3f ms%s\n", what,
              f.medianMs, f.medianMs / floorMs, f.medianCpuMs, f.meanCpuMs,
              f.allAnswered ? "" : "  (UNANSWERED)");
}

}  // namespace

int main(int argc, char** argv) {
  int count = 100;
  int lateRounds = 0;
  bool instant = false;
  ocelbench::parseBenchCommandLine(
      argc, argv,
      "usage: ocel400-bench [--exchanges N] [--instant] | --late N\n"
      "  --exchanges N  acknowledged writes and reads to time (default 100)\n"
      "  --instant      the simulator answers at once instead of pacing its line\n"
      "  --late N       only count stale values in N write + read-back rounds against a\n"
      "                 camera that answers every other frame 200 ms late\n",
      {{"--exchanges", &count}, {"--late", &lateRounds}}, {{"--instant", &instant}});
  const double floorMs = instant ? kPauseMs : kLineFloorMs;

  const fs::path self = fs::canonical("/proc/self/exe");
  const fs::path simulator = self.parent_path() / "ocel400-camsim";
  char pattern[] = "/tmp/ocel400-bench-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const fs::path link = dir / "com1";
  setenv("OCEL400_COM1", link.c_str(), 1);

  if (lateRounds > 0) {
    Simulator camera(simulator, link, {"--fault", "late:50"});
    if (PortInitEx(1, 1, 0, 9600, 0) != OCEL400_DONE) {
      std::fprintf(stderr, "cannot open the simulator's port %s\n", link.c_str());
      return 1;
    }
    measureLateReplies(lateRounds);
    fs::remove_all(dir);
    return 0;
  }

  std::printf(
      "floor %.2f ms (%s), %d exchanges each\n", floorMs,
      instant ? "the pause; the camera answers at once" : "28 characters at 9600 baud + 30 ms",
      count);
  {
    Simulator camera(simulator, link,
                     instant ? std::vector<std::string>{"--instant"} : std::vector<std::string>{});
    if (PortInitEx(1, 1, 0, 9600, 0) != OCEL400_DONE) {
      std::fprintf(stderr, "cannot open the simulator's port %s\n", link.c_str());
      return 1;
    }
    report("acknowledged write", measure(count, [](int i) { SetShape(100 + i % 2); }), floorMs);
    report("read", measure(count, [](int) { GetShape(); }), floorMs);
  }
  {
    Simulator camera(simulator, link, {"--fault", "silence"});
    PortInit(1);
    const Figures silent = measure(1, [](int) { SetShape(100); });
    std::printf("%-28s %7.0f ms  bound %.0f ms  ratio %.3f  result %u\n",
                "write to a silent camera", silent.medianMs, kSilentBoundMs,
                silent.medianMs / kSilentBoundMs, LastResult());
  }
  fs::remove_all(dir);
  return 0;
}
