// The calculator: one character sheet, its calculation state, and every
// operation that reads or writes them.
//
// A user action enters through the user_* functions, which change the
// control and run what its change starts (usually run_calculation), with
// errors reported like the application-wide handler does. Inside the core,
// writes to controls never notify: an operation that writes several boxes
// runs one recalculation at its end.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/calc_state.h"
#include "engine/number_text.h"
#include "engine/services.h"
#include "engine/sheet.h"

namespace brennick {

class Calculator {
 public:
  struct Services {
    Dialogs* dialogs = nullptr;        // required
    ErrorLog* error_log = nullptr;     // may be null: errors then only show in the status bar
    ClassListener* classes = nullptr;  // may be null
  };

  Calculator(NumberFormat format, Services services);

  Sheet sheet;
  CalcState state;

  const NumberFormat& format() const { return format_; }
  Dialogs& dialogs() { return *services_.dialogs; }
  // The windows told the chosen class (null: none), when they exist after the calculator.
  void set_class_listener(ClassListener* classes) { services_.classes = classes; }

  // --- user actions ---------------------------------------------------------
  // Each changes the control as the user would and runs what that change
  // starts while the control's handler is attached. Errors are caught and
  // reported (status bar, error log); none escapes.
  void user_set_text(Ctl id, const std::string& text);   // text boxes and number fields
  void user_set_value(Ctl id, std::int64_t value);       // number fields (arrows)
  void user_select_row(Ctl id, int row);                 // drop-down lists
  void user_set_checked(Ctl id, bool checked);           // check boxes
  void user_click(Ctl id);                               // pictures, menu items, buttons
  void user_leave(Ctl id);                               // leaving a text box: CheckInt/CheckFloat

  // True when a change of the control starts its handler now.
  bool attached(Ctl id) const;

  // --- recalculation ---------------------------------------------------------
  // The single recalculation entry; throws on a conversion error (callers
  // outside the core use the user_* functions, which report it).
  void run_calculation(Ctl sender);
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

  // --- equipment, skills, buffs, build files ----------------------------------
  void handle_ForceOrb();
  void Calc_castOn(bool first_pass);
  void Calc_skills();
  void set_skill_type(int slot_index, int kind);
  void file_loadClick();
  void item_selected(Ctl list);  // Select_ArmorChange .. Select_ring2Change

  // Called once per completed pass (benchmarks and tests count passes).
  std::uint64_t passes() const { return passes_; }

 private:
  template <class Action>
  void guarded(Ctl sender, Action&& action);
  void toggle_timed_skill(Ctl sender);
  void toggle_cast_on(Ctl sender);

  NumberFormat format_;
  Services services_;
  bool events_attached_ = true;  // handlers are attached from the start
  std::uint64_t passes_ = 0;
};

// Name of skill number 1..128 in the catalog.
std::string skill_name(int skill_no);

// The rows of Select_class.
enum ClassNo { Fighter = 0, Archer, Pikeman, Mechanician, Atalanta, Knight, Magician, Priestess };

}  // namespace brennick
