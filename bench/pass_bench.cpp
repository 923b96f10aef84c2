// How long a recalculation takes: one pass of the core for a fully equipped
// character and for the level-120 golden build of each class, a build load,
// the weapon menu's 145 item deltas, one pass through the window
// (offscreen), and the start-up of all windows in one process (the start-up
// against an empty window, in fresh processes, is brennick_startup_bench). Run: build/bin/brennick_bench (it sets the offscreen platform).
// The report framework names a member `slots`, which Qt defines as a
// macro: it comes before the Qt headers.
#include "skills/report_framework.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/startup_app.h"
#include "buildfile/build_file.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"
#include "pipeline/item_delta.h"
#include "pipeline/pass_trace.h"
#include "pipeline/planner.h"
#include "pipeline/user_action.h"
#include "engine/startup.h"
#include "pipeline/session.h"
#include "ui/main_window.h"

using namespace brennick;

namespace {

// A level 95 Knight with every equipment box filled, both weapons, quests
// and skill levels.
void equip(Planner& calc) {
  Sheet& s = calc.sheet;
  calc.user_select_row(Ctl::Select_class, Knight);
  s.set_value(Ctl::stat_level, 95);
  s.set_value(Ctl::stat_strenght, 190);
  s.set_value(Ctl::stat_spirit, 13);
  s.set_value(Ctl::stat_talent, 60);
  s.set_value(Ctl::stat_agility, 90);
  s.set_value(Ctl::stat_health, 220);
  int n = 3;
  for (Ctl id : all_controls()) {
    const ControlSpec& spec = control_spec(id);
    if (spec.kind != ControlKind::TextBox || !s[id].enabled) continue;
    s.set_text(id, spec.flags & cflag::RealCheck ? "1.5" : std::to_string(n++ % 40 + 5));
  }
  s.set_row(Ctl::Select_weapon, 5);
  s.set_row(Ctl::Select_weapon_2, 0);
  s.set_row(Ctl::stat_weap_spd, 1);
  s.set_row(Ctl::stat_weap_spd_2, 0);
  for (Ctl q : {Ctl::level_30_done, Ctl::tier3_done, Ctl::level_55_done, Ctl::level_70_done, Ctl::level_80_done,
                Ctl::level_90_done})
    s.set_checked(q, true);
  for (int i = 0; i < 16; ++i) s.set_value(slot_controls(i).level, i < 12 ? 6 : 3);
  calc.run_calculation(Ctl::MainForm);
}

void BM_CorePass(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  equip(calc);
  for (auto _ : st) calc.run_calculation(Ctl::stat_health);
  if (calc.sheet.status_panel1 != "OK") st.SkipWithError(calc.sheet.status_panel1.c_str());
}
BENCHMARK(BM_CorePass);

// The same pass recording its trace: the state and the result labels after
// every step. BM_CorePass is the pass with recording off.
void BM_CorePassTraced(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  equip(calc);
  PassTrace trace;
  calc.pass_observer = &trace;
  for (auto _ : st) calc.run_calculation(Ctl::stat_health);
  if (trace.steps().size() != 24) st.SkipWithError("the trace lacks steps");
}
BENCHMARK(BM_CorePassTraced);

// The deltas of every weapon item of the weapon menu on the one-handed
// page, as the window computes them before the menu shows.
void BM_WeaponMenuDeltas(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  equip(calc);
  PopupMenus menus;
  menus.handle_popup(calc, Popup::Weapon, Ctl::TabSheet5);
  std::vector<std::string> items;
  for (const MenuEntry& kind : menus.menu(Popup::Weapon).items)
    if (kind.name.size() > 1 && kind.name.rfind("Age", 0) != 0 && kind.name.rfind("Gem", 0) != 0)
      for (const MenuEntry& item : kind.items) items.push_back(item.name);
  std::size_t measured = 0;
  for (auto _ : st) {
    DeltaProbe probe(calc);
    measured = 0;
    for (const std::string& item : items)
      if (probe.changes(menu_item_action(item, Ctl::TabSheet5))) ++measured;
  }
  st.counters["items"] = static_cast<double>(items.size());
  st.counters["measured"] = static_cast<double>(measured);
}
BENCHMARK(BM_WeaponMenuDeltas)->Unit(benchmark::kMillisecond);

// The level-120 golden build of each class (tests/golden): its --set and
// --click arguments applied in order, as `brennick-cli eval` applies them.
constexpr const char* kClassBuild[kClassCount] = {
    "skills_fighter_l120",  "archer_120",           "pikeman_120",           "mechanician_120",
    "atalanta_120",         "skills_knight_l120_on", "skills_magician_l120_on", "skills_priestess_l120_on"};

// False (with the reason in `error`) when the build cannot be entered.
bool enter_golden_build(Planner& calc, const std::string& name, std::string& error) {
  const std::string path = std::string(BRENNICK_GOLDEN_DIR) + "/" + name + ".args";
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::vector<std::string> args;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) args.push_back(line);
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    const bool set = args[i] == "--set";
    if (!set && args[i] != "--click") {
      error = path + ": unexpected argument " + args[i];
      return false;
    }
    const std::optional<UserAction> action = parse_user_action(set, args[i + 1]);
    if (!action || !apply_user_action(calc, *action)) {
      error = path + ": cannot apply " + args[i + 1];
      return false;
    }
  }
  if (calc.sheet.status_panel1 != "OK") {
    error = path + ": " + calc.sheet.status_panel1;
    return false;
  }
  return true;
}

// One core pass of a class's level-120 golden build.
void BM_ClassPass(benchmark::State& st, int class_no) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  std::string error;
  if (!enter_golden_build(calc, kClassBuild[class_no], error)) {
    st.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : st) calc.run_calculation(Ctl::stat_health);
  if (calc.sheet.status_panel1 != "OK") st.SkipWithError(calc.sheet.status_panel1.c_str());
}
#define BRENNICK_CLASS_PASS(N, NAME) \
  BENCHMARK_CAPTURE(BM_ClassPass, NAME, N)->Unit(benchmark::kMicrosecond)
BRENNICK_CLASS_PASS(0, Fighter);
BRENNICK_CLASS_PASS(1, Archer);
BRENNICK_CLASS_PASS(2, Pikeman);
BRENNICK_CLASS_PASS(3, Mechanician);
BRENNICK_CLASS_PASS(4, Atalanta);
BRENNICK_CLASS_PASS(5, Knight);
BRENNICK_CLASS_PASS(6, Magician);
BRENNICK_CLASS_PASS(7, Priestess);

// "Load Character" of a saved level-120 build (the Knight's golden build):
// reading and parsing the file, copying it into the sheet and the pass.
void BM_BuildLoad(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  std::string error;
  if (!enter_golden_build(calc, kClassBuild[Knight], error)) {
    st.SkipWithError(error.c_str());
    return;
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("brennick-load-bench-" + std::to_string(::getpid()) + ".brk");
  save_build_file(calc, path);
  const std::string expected = calc.sheet[Ctl::Lbl_final_stat_HP].text;
  Planner loader(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(loader);
  for (auto _ : st) loader.user_load_file(path.string());
  std::filesystem::remove(path);
  if (loader.sheet.status_panel1 != "OK") st.SkipWithError(loader.sheet.status_panel1.c_str());
  else if (loader.sheet[Ctl::Lbl_final_stat_HP].text != expected) st.SkipWithError("the loaded build differs");
}
BENCHMARK(BM_BuildLoad)->Unit(benchmark::kMicrosecond);

void BM_WindowPass(benchmark::State& st) {
  SilentDialogs dialogs;
  Session session(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  session.start(QCoreApplication::applicationDirPath().toStdString());
  Planner& calc = session.planner();
  MainWindow window(session);
  window.show();
  equip(calc);
  window.refresh();
  int health = 200;
  for (auto _ : st) {
    // What one keystroke in a statistic does: the edit, the pass, the refresh.
    window.act([&](Session& s) { s.set_text(Ctl::stat_health, std::to_string(health = health == 200 ? 201 : 200)); });
  }
}
BENCHMARK(BM_WindowPass)->Unit(benchmark::kMicrosecond);

void BM_StartUp(benchmark::State& st) {
  for (auto _ : st) {
    Application app = start_application(QCoreApplication::applicationDirPath(),
                                        std::make_unique<SilentDialogs>(), QLocale::c());
    app.window->show();
    benchmark::DoNotOptimize(app.window.get());
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
