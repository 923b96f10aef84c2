// How long a recalculation takes: one pass of the core for a fully equipped
// character, one pass through the window (offscreen), and the start-up of
// all windows. Run: build/bin/brennick_bench (it sets the offscreen platform).
// The report framework names a member `slots`, which Qt defines as a
// macro: it comes before the Qt headers.
#include "skills/report_framework.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

#include "app/startup_app.h"
#include "equipment/weapon_menu.h"
#include "pipeline/item_delta.h"
#include "pipeline/pass_trace.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
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
BENCHMARK(BM_CorePass)->Repetitions(5)->ReportAggregatesOnly(true);

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
BENCHMARK(BM_CorePassTraced)->Repetitions(5)->ReportAggregatesOnly(true);

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
BENCHMARK(BM_WeaponMenuDeltas)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// A level-120 character of the class with every skill at level 10 and
// every timed skill switched on (of an exclusive pair the later one), a
// weapon in both hands that fits the class, every equipment box filled.
void equip_class(Planner& calc, int class_no) {
  Sheet& s = calc.sheet;
  calc.user_select_row(Ctl::Select_class, class_no);
  s.set_value(Ctl::stat_level, 120);
  for (Ctl stat : {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility, Ctl::stat_health})
    s.set_value(stat, 120);
  int n = 3;
  for (Ctl id : all_controls()) {
    const ControlSpec& spec = control_spec(id);
    if (spec.kind != ControlKind::TextBox || !s[id].enabled) continue;
    s.set_text(id, spec.flags & cflag::RealCheck ? "1.5" : std::to_string(n++ % 40 + 5));
  }
  // Fighter Axe, Archer Bow, Pikeman Scythe, Mechanician Claw, Atalanta
  // Javelin, Knight Sword, Magician and Priestess Wand/Staff.
  static constexpr int kWeapon[kClassCount] = {0, 1, 2, 3, 4, 5, 6, 6};
  s.set_row(Ctl::Select_weapon, kWeapon[class_no]);
  s.set_row(Ctl::Select_weapon_2, kWeapon[class_no]);
  s.set_row(Ctl::stat_weap_spd, 1);
  s.set_row(Ctl::stat_weap_spd_2, 0);
  for (int i = 0; i < 16; ++i) s.set_value(slot_controls(i).level, 10);
  calc.run_calculation(Ctl::MainForm);
  for (int i = 0; i < 16; ++i)
    if (skills::slot_kind(class_no, i) == skills::SlotKind::Timed && calc.state.skill_on[static_cast<std::size_t>(i)] == 0)
      calc.user_click(slot_controls(i).kind_img);
}

// One core pass of each class at level 120 (argument: class 0..7).
void BM_ClassPass(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  start_sheet(calc);
  equip_class(calc, static_cast<int>(st.range(0)));
  for (auto _ : st) calc.run_calculation(Ctl::stat_health);
  if (calc.sheet.status_panel1 != "OK") st.SkipWithError(calc.sheet.status_panel1.c_str());
}
BENCHMARK(BM_ClassPass)->DenseRange(0, 7)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_WindowPass(benchmark::State& st) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  calc.state.app_dir = QCoreApplication::applicationDirPath().toStdString();
  start_sheet(calc);
  MainWindow window(calc);
  window.show();
  equip(calc);
  window.refresh();
  int health = 200;
  for (auto _ : st) {
    // What one keystroke in a statistic does: the edit, the pass, the refresh.
    calc.user_set_text(Ctl::stat_health, std::to_string(health = health == 200 ? 201 : 200));
    window.refresh();
  }
}
BENCHMARK(BM_WindowPass)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_StartUp(benchmark::State& st) {
  for (auto _ : st) {
    Application app = start_application(QCoreApplication::applicationDirPath(),
                                        std::make_unique<SilentDialogs>(), QLocale::c());
    app.window->show();
    benchmark::DoNotOptimize(app.window.get());
  }
}
BENCHMARK(BM_StartUp)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
