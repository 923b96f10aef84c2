// Start-up time and peak memory of the window program against an empty Qt
// window, each measured in fresh processes in one run.
//
//   brennick_startup_bench [--runs N]
//
// prints one line per figure: NAME MEDIAN UNIT (medians over N processes of
// each kind, started alternately so both see the same machine load):
//
//   startup_program_ms / startup_empty_ms     process start to first show
//   startup_qapp_program_ms / ..._empty_ms    QApplication creation to first show
//   startup_cpu_program_ms / ..._empty_ms     processor time of the process (all
//                                             threads) from its start to first show
//   memory_program_kib / memory_empty_kib     peak resident memory (VmHWM)
//                                             after the first show
//   memory_all_windows_kib                    the same after every secondary
//                                             window was shown once too
//   first_open_max_ms / first_open_all_ms     showing a secondary window the
//                                             first time (its contents made,
//                                             laid out, painted): the slowest
//                                             one, and all fifteen together
// (and "runs N", "qt VERSION": the Qt library the program runs with).
//
// "First show" is the moment the event loop first goes idle (about to wait
// for new events) after the shown window has painted for the first time:
// everything the show started (layout, expose, first paint) is done. The
// program child runs the program's own start-up (start_program(): every
// window created, the main window shown; the windows' contents are made
// when each is first needed); the empty child shows a bare
// QWidget. "Process start" is taken by the parent just before it spawns the
// child; both children are this same executable, so they load the same
// libraries. Children run on the offscreen platform with a settings folder
// of their own (a first start).
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup_app.h"
#include "ui/main_window.h"

extern char** environ;

namespace {

long long now_ns() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Peak resident set size of this process, in KiB.
long long vm_hwm_kib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atoll(line.c_str() + 6);
  return -1;
}

// The processor time the process had used (all its threads) when the
// window had first shown.
long long shown_cpu_ns = 0;

// Counts the first paint of a window; the event loop's next wait after it
// ends the measurement.
class FirstPaint : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Runs the event loop until it is about to wait after `window` painted.
long long wait_for_first_show(QWidget& window) {
  FirstPaint paint;
  window.installEventFilter(&paint);
  long long shown = 0;
  QEventLoop loop;
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
    if (paint.painted && shown == 0) {
      shown = now_ns();
      timespec cpu{};
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
      shown_cpu_ns = static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec;
      loop.quit();
    }
  });
  loop.exec();
  window.removeEventFilter(&paint);
  return shown;
}

// Lets every posted event run until the loop is about to wait.
void settle() {
  QEventLoop loop;
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                   [&] { loop.quit(); });
  QTimer::singleShot(0, &loop, [] {});
  loop.exec();
}

// A child: prints "QAPP_NS SHOWN_NS HWM_KIB HWM_ALL_KIB CPU_NS OPEN_MAX_NS OPEN_ALL_NS".
int child(const std::string& mode, int argc, char** argv) {
  const long long qapp_at = now_ns();
  QApplication qapp(argc, argv);
  // A start that hangs (a message box nobody answers) fails the run.
  QTimer::singleShot(30000, [] {
    std::fprintf(stderr, "brennick_startup_bench: the window did not show within 30 s\n");
    std::_Exit(3);
  });
  long long shown = 0, hwm = 0, hwm_all = 0, open_max = 0, open_all = 0;
  if (mode == "empty") {
    QWidget window;
    window.show();
    shown = wait_for_first_show(window);
    hwm = vm_hwm_kib();
    hwm_all = hwm;
  } else {
    brennick::Application app = brennick::start_program();
    if (app.terminate || !app.window) {
      std::fprintf(stderr, "brennick_startup_bench: the program did not start (files missing?)\n");
      return 3;
    }
    app.window->show();
    shown = wait_for_first_show(*app.window);
    hwm = vm_hwm_kib();
    for (brennick::WindowId window : brennick::all_secondary_windows()) {
      const long long before = now_ns();
      app.window->show_window(window);
      settle();
      const long long took = now_ns() - before;
      open_max = std::max(open_max, took);
      open_all += took;
    }
    hwm_all = vm_hwm_kib();
  }
  std::printf("%lld %lld %lld %lld %lld %lld %lld\n", qapp_at, shown, hwm, hwm_all, shown_cpu_ns, open_max, open_all);
  std::fflush(stdout);
  return 0;
}

struct Sample {
  double start_ms, qapp_ms, cpu_ms;
  long long hwm_kib, hwm_all_kib;
  double open_max_ms, open_all_ms;
};

// What a child writes to its standard error (Qt's notes on the offscreen
// platform), shown only when the child fails.
std::string child_log;

std::optional<Sample> spawn_child(const std::string& self, const std::string& mode) {
  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, child_log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  std::string arg0 = self, arg1 = "--child", arg2 = mode;
  char* args[] = {arg0.data(), arg1.data(), arg2.data(), nullptr};
  pid_t pid = 0;
  const long long started = now_ns();
  const int rc = posix_spawn(&pid, self.c_str(), &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    std::fprintf(stderr, "brennick_startup_bench: cannot start %s: %s\n", self.c_str(), std::strerror(rc));
    return std::nullopt;
  }
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  long long qapp = 0, shown = 0, hwm = 0, hwm_all = 0, cpu = 0, open_max = 0, open_all = 0;
  std::istringstream in(text);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      !(in >> qapp >> shown >> hwm >> hwm_all >> cpu >> open_max >> open_all) || shown <= 0) {
    std::fprintf(stderr, "brennick_startup_bench: the %s child failed (status %d); it wrote:\n", mode.c_str(), status);
    std::ifstream log(child_log);
    for (std::string line; std::getline(log, line);) std::fprintf(stderr, "  %s\n", line.c_str());
    return std::nullopt;
  }
  return Sample{static_cast<double>(shown - started) / 1e6, static_cast<double>(shown - qapp) / 1e6,
                static_cast<double>(cpu) / 1e6, hwm, hwm_all, static_cast<double>(open_max) / 1e6,
                static_cast<double>(open_all) / 1e6};
}

template <class T>
double median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? static_cast<double>(v[n / 2]) : (static_cast<double>(v[n / 2 - 1]) + static_cast<double>(v[n / 2])) / 2;
}

int parent(int runs) {
  namespace fs = std::filesystem;
  const std::string self = fs::canonical("/proc/self/exe").string();
  // The children's own settings and runtime folders: every run is a first start.
  char scratch_template[] = "/tmp/brennick-startup-XXXXXX";
  const char* scratch = mkdtemp(scratch_template);
  if (!scratch) {
    std::perror("brennick_startup_bench: mkdtemp");
    return 1;
  }
  const fs::path base(scratch);
  fs::create_directories(base / "config");
  fs::create_directories(base / "runtime");
  fs::permissions(base / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  child_log = (base / "child.log").string();
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (base / "runtime").c_str(), 1);

  std::vector<Sample> program, empty;
  bool ok = true;
  // One of each first, unmeasured: the files come into the page cache.
  ok = spawn_child(self, "empty") && spawn_child(self, "program");
  for (int i = 0; ok && i < runs; ++i) {
    auto e = spawn_child(self, "empty");
    auto p = spawn_child(self, "program");
    ok = e && p;
    if (ok) {
      empty.push_back(*e);
      program.push_back(*p);
    }
  }
  std::error_code ec;
  fs::remove_all(base, ec);
  if (!ok) return 1;

  auto pick = [](const std::vector<Sample>& v, auto field) {
    std::vector<double> x;
    for (const Sample& s : v) x.push_back(static_cast<double>(s.*field));
    return median(x);
  };
  std::printf("runs %d\n", runs);
  std::printf("qt %s\n", qVersion());
  std::printf("startup_program_ms %.1f\n", pick(program, &Sample::start_ms));
  std::printf("startup_empty_ms %.1f\n", pick(empty, &Sample::start_ms));
  std::printf("startup_qapp_program_ms %.1f\n", pick(program, &Sample::qapp_ms));
  std::printf("startup_qapp_empty_ms %.1f\n", pick(empty, &Sample::qapp_ms));
  std::printf("startup_cpu_program_ms %.1f\n", pick(program, &Sample::cpu_ms));
  std::printf("startup_cpu_empty_ms %.1f\n", pick(empty, &Sample::cpu_ms));
  std::printf("memory_program_kib %.0f\n", pick(program, &Sample::hwm_kib));
  std::printf("memory_all_windows_kib %.0f\n", pick(program, &Sample::hwm_all_kib));
  std::printf("memory_empty_kib %.0f\n", pick(empty, &Sample::hwm_kib));
  std::printf("first_open_max_ms %.1f\n", pick(program, &Sample::open_max_ms));
  std::printf("first_open_all_ms %.1f\n", pick(program, &Sample::open_all_ms));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return child(argv[2], argc, argv);
  int runs = 21;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: brennick_startup_bench [--runs N]\n");
      return 2;
    }
  }
  if (runs < 1) {
    std::fprintf(stderr, "brennick_startup_bench: --runs must be at least 1\n");
    return 2;
  }
  return parent(runs);
}
