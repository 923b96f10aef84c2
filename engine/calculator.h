// The calculator: one character sheet, its calculation state, and the
// calculation steps that read and write them.
//
// The recalculation pass runs steps of this layer and of the layers above it
// (equipment, skills, build files), so the pass is composed above all of
// them (pipeline/planner.h) and handed to the calculator when it is made;
// run_calculation runs it. A user action enters through Planner's user_*
// functions. Inside the core, writes to controls never notify: an operation
// that writes several boxes runs one recalculation at its end.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/vocabulary.h"
#include "engine/calc_state.h"
#include "base/number_text.h"
#include "engine/services.h"
#include "engine/sheet.h"

namespace brennick {

class Calculator;

// Watches a recalculation pass step by step (the pass trace, breakdowns).
// The pass calls it only when one is set: with none, a pass pays one null
// check per step.
class PassObserver {
 public:
  virtual ~PassObserver() = default;
  // Before step 1, after the class branch.
  virtual void pass_begins(const Calculator& calc) = 0;
  // After step `step` (1 .. 24) completed.
  virtual void step_done(int step, const char* operation, const Calculator& calc) = 0;
  // When step `step` threw: the state holds what it wrote before the error.
  virtual void step_failed(int step, const char* operation, const Calculator& calc) = 0;
};

// Puts other dialogs in place of the calculator's own for one command (a
// load whose file is known, a load or save whose chosen file is wanted),
// and the calculator's own back when the command ends, thrown or not.
class ScopedDialogs {
 public:
  ScopedDialogs(Calculator& calc, Dialogs& replacement);
  ~ScopedDialogs();
  ScopedDialogs(const ScopedDialogs&) = delete;
  ScopedDialogs& operator=(const ScopedDialogs&) = delete;
  // The calculator's own dialogs, which the replacement may pass questions on to.
  Dialogs& replaced() const { return replaced_; }

 private:
  Calculator& calc_;
  Dialogs& replaced_;
};

class Calculator {
 public:
  struct Services {
    Dialogs* dialogs = nullptr;        // required
    ErrorLog* error_log = nullptr;     // may be null: errors then only show in the status bar
    ClassListener* classes = nullptr;  // may be null
  };

  // The recalculation pass, run by run_calculation.
  using Pass = void (*)(Calculator& calc, Ctl sender);

  Calculator(NumberFormat format, Services services, Pass pass);

  Sheet sheet;
  CalcState state;
  PassObserver* pass_observer = nullptr;  // null: the pass is not watched

  const NumberFormat& format() const { return format_; }
  Dialogs& dialogs() { return *services_.dialogs; }
  ErrorLog* error_log() const { return services_.error_log; }
  // The windows told the chosen class (null: none), when they exist after the calculator.
  void set_class_listener(ClassListener* classes) { services_.classes = classes; }

  // True when a change of the control starts its handler now.
  bool attached(Ctl id) const;

  // --- recalculation ---------------------------------------------------------
  // The single recalculation entry: runs the pass and counts it when it
  // completes; throws on a conversion error (callers outside the core use
  // Planner's user_* functions, which report it).
  void run_calculation(Ctl sender) {
    pass_(*this, sender);
    ++passes_;
  }
  void changeEvents();
  void class_setup();
  void get_data_from_fields();

  // The application-wide error handler: sheet live again, message in the
  // status bar, a line in the error log (owner = sender's parent).
  void AppException(Ctl sender, const std::string& message);
  // The same for a sender that is no control of the sheet (an item of a
  // right-click menu): owner and detail are given by name.
  void AppException(const std::string& owner, const std::string& detail, const std::string& message);

  // The class row of Select_class (-1 when none).
  int class_row() const { return sheet.row(Ctl::Select_class); }

  // Picture file under app_dir: app_dir + "/images/" + name.
  std::string image_path(const std::string& name) const;
  // Loads a picture into a picture box, as the window will show it. A file
  // that cannot be found under app_dir throws "Cannot open file ...", so the
  // action ends through the application-wide handler and the box keeps what
  // it showed. A box that already shows the file is not looked up again.
  void load_picture(Ctl box, const std::string& file);

  // --- class rules, points and quests ----------------------------------------
  void Insert_start_values();
  void set_stat_min_values();
  void pre_set_class();
  void handle_quests();
  void calc_free_stat_points();
  void calc_free_skill_points();
  void calc_free_t4skill_points();
  void set_level_regs();
  void reset_modifers();
  void Reset();

  // --- pools, defence, attack power, damage over time -----------------------
  void Calc_HP();
  void Calc_MP();
  void Calc_STM();
  void Calc_MP_regen();
  void Calc_defense();
  void Calc_Absorption();
  void Calc_AtkRtg();
  void Calc_Critical();
  void Calc_Block();
  void Calc_weight();
  void Calc_dmg();

  // Attack power of both columns as Calc_dmg computes it from the sheet and
  // the copied equipment values, with the given force-orb additions in
  // place of the state's; writes nothing. `mastery` is the weapon-mastery
  // fraction of this pass, set when the class has a mastery skill.
  struct AttackPower {
    std::int32_t min = 0, max = 0, min_2 = 0, max_2 = 0;
    std::optional<double> mastery;
  };
  struct ForceOrbAdd {
    std::int32_t min = 0, max = 0, min_2 = 0, max_2 = 0;
  };
  AttackPower attack_power(const ForceOrbAdd& add) const;

  void Calc_DoT();
  void Calc_Speed();
  void display_final_results();

  // Called once per completed pass (benchmarks and tests count passes).
  std::uint64_t passes() const { return passes_; }

 private:
  friend class ScopedDialogs;
  NumberFormat format_;
  Services services_;
  Pass pass_;
  // The decimal equipment boxes as last read: a box is read again only
  // when its text has changed.
  struct ParsedBox {
    std::string text;
    double value = 0;
    bool valid = false;
  };
  std::vector<ParsedBox> parsed_real_boxes_;
  bool events_attached_ = true;  // handlers are attached from the start
  std::uint64_t passes_ = 0;
};

// Name of skill number 1..128 in the catalog.
std::string skill_name(int skill_no);

// True for the item lists (Select_Armor .. Select_ring2), whose change
// runs the item selection rather than the pass.
bool is_item_list(Ctl id);

}  // namespace brennick
