// The bitmap patcher against a plain loop writing the same bytes to the same
// 10,000 files of 50 KB, in one run (Patch.dat as large as the files).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

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

void BM_PatcherRun(benchmark::State& state) {
  Tree& t = tree();
  brennick::SilentDialogs dialogs;
  for (auto _ : state) {
    brennick::BmpPatcher patcher((t.base / "app").string());
    patcher.patch((t.base / "root").string(), dialogs);
    if (patcher.success != kFiles) state.SkipWithError("not every file was patched");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles * static_cast<int64_t>(kSize));
}

void BM_PlainWriteLoop(benchmark::State& state) {
  Tree& t = tree();
  for (auto _ : state) {
    for (const std::string& p : t.paths) {
      const int fd = ::open(p.c_str(), O_WRONLY);
      if (fd < 0 || ::pwrite(fd, t.bytes.data(), t.bytes.size(), 0) != static_cast<ssize_t>(t.bytes.size()))
        state.SkipWithError("write failed");
      ::close(fd);
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles * static_cast<int64_t>(kSize));
}

// Alternating, repeated, so both see the same cache and disk state.
BENCHMARK(BM_PlainWriteLoop)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PatcherRun)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
