// The bitmap patcher against a plain loop writing the same bytes to the same
// 10,000 files of 50 KB, in one run (Patch.dat as large as the files).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/bmp_patcher.h"

namespace {

namespace fs = std::filesystem;
constexpr int kFiles = 10000;
constexpr std::size_t kSize = 50 * 1024;

struct Tree {
  Tree() {
    base = fs::temp_directory_path() / ("brennick-patch-bench-" + std::to_string(getpid()));
    fs::create_directories(base / "app");
    bytes.assign(kSize, 'P');
    std::ofstream(base / "app" / "Patch.dat", std::ios::binary) << bytes;
    const std::string file(kSize, 'b');
    for (int i = 0; i < kFiles; ++i) {
      const fs::path dir = base / "root" / ("d" + std::to_string(i / 500));
      if (i % 500 == 0) fs::create_directories(dir);
      paths.push_back((dir / ("f" + std::to_string(i) + ".bmp")).string());
      std::ofstream(paths.back(), std::ios::binary) << file;
    }
  }
  ~Tree() {
    std::error_code ec;
    fs::remove_all(base, ec);
  }
  fs::path base;
  std::string bytes;
  std::vector<std::string> paths;
};

Tree& tree() {
  static Tree t;
  return t;
}

// The dirty pages one run leaves behind are written out before the next run
// starts, so neither run pays for the other's write-back.
void flush_tree(const Tree& t) {
  const int fd = ::open(t.base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::syncfs(fd);
    ::close(fd);
  }
}

bool run_patcher(const Tree& t) {
  brennick::SilentDialogs dialogs;
  brennick::BmpPatcher patcher((t.base / "app").string());
  patcher.patch((t.base / "root").string(), dialogs);
  return patcher.success == kFiles;
}

bool run_plain_loop(const Tree& t) {
  bool ok = true;
  for (const std::string& p : t.paths) {
    const int fd = ::open(p.c_str(), O_WRONLY);
    if (fd < 0 || ::pwrite(fd, t.bytes.data(), t.bytes.size(), 0) != static_cast<ssize_t>(t.bytes.size())) ok = false;
    if (fd >= 0) ::close(fd);
  }
  return ok;
}

template <bool (*Run)(const Tree&)>
void BM_Tree(benchmark::State& state) {
  Tree& t = tree();
  for (auto _ : state) {
    state.PauseTiming();
    flush_tree(t);
    state.ResumeTiming();
    if (!Run(t)) state.SkipWithError("not every file was written");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles * static_cast<int64_t>(kSize));
}

void BM_PatcherRun(benchmark::State& state) { BM_Tree<run_patcher>(state); }
void BM_PlainWriteLoop(benchmark::State& state) { BM_Tree<run_plain_loop>(state); }

double cpu_seconds() {
  timespec ts{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The two runs in strict alternation, each after a flush, so a slow spell of
// the machine falls on both alike. Counters: the medians of each (CPU and
// wall milliseconds) and the patcher's throughput as a share of the loop's.
void BM_PatcherAgainstPlainLoop(benchmark::State& state) {
  Tree& t = tree();
  constexpr int kRounds = 9;
  std::vector<double> plain_cpu, patch_cpu, plain_wall, patch_wall;
  for (auto _ : state) {
    for (int round = 0; round < kRounds; ++round) {
      for (int which = 0; which < 2; ++which) {
        flush_tree(t);
        const auto wall0 = std::chrono::steady_clock::now();
        const double cpu0 = cpu_seconds();
        const bool ok = which == 0 ? run_plain_loop(t) : run_patcher(t);
        const double cpu = (cpu_seconds() - cpu0) * 1e3;
        const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall0).count();
        if (!ok) state.SkipWithError("not every file was written");
        (which == 0 ? plain_cpu : patch_cpu).push_back(cpu);
        (which == 0 ? plain_wall : patch_wall).push_back(wall);
      }
    }
  }
  state.counters["plain_cpu_ms"] = median(plain_cpu);
  state.counters["patcher_cpu_ms"] = median(patch_cpu);
  state.counters["plain_wall_ms"] = median(plain_wall);
  state.counters["patcher_wall_ms"] = median(patch_wall);
  state.counters["ratio_cpu"] = median(plain_cpu) / median(patch_cpu);
  state.counters["ratio_wall"] = median(plain_wall) / median(patch_wall);
}

BENCHMARK(BM_PlainWriteLoop)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PatcherRun)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5)->ReportAggregatesOnly(true);
// Its counters are medians of its own rounds already: one repetition.
BENCHMARK(BM_PatcherAgainstPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);

}  // namespace
