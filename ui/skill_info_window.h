// The skill information window: a class and a tier, and the tier's four
// skills with their icons, names and tables (data/skill_info computes the
// texts). The main window's class change only moves the class list; the
// tables change at the next click on a tier or a class here.
#pragma once

#include <array>
#include <functional>

#include "ui/lazy_window.h"

class QButtonGroup;
class QComboBox;
class QLabel;

namespace brennick {

class Calculator;
class PictureBox;
class TCenterStringGrid;

class SkillInfoWindow : public LazyWindow {
  Q_OBJECT
 public:
  SkillInfoWindow(Calculator& calc, QWidget* owner, std::function<void()> report = {});

  // Runs on a tier click and on a class change by the user: fills the four
  // grids, or does nothing while no class or no tier is chosen.
  void Select_Tier_Class();
  // The user's choices, as a click would make them (each runs Select_Tier_Class).
  void choose_tier(int tier);        // 1 .. 4
  void choose_class(int class_row);  // 0 .. 7
  // The main window's class change: the list only (-1 clears it); on a
  // window not made yet, the row it is made with.
  void set_class_row(int class_row);

  TCenterStringGrid* grid(int k) const {
    ensure_built();
    return grids_.at(static_cast<std::size_t>(k - 1));
  }
  QLabel* skill_name(int k) const {
    ensure_built();
    return names_.at(static_cast<std::size_t>(k - 1));
  }
  PictureBox* skill_picture(int k) const {
    ensure_built();
    return pictures_.at(static_cast<std::size_t>(k - 1));
  }
  QComboBox* class_list() const {
    ensure_built();
    return class_list_;
  }
  // The class list's row (-1: none), whether or not the window is made.
  int class_row() const;

 protected:
  void build_contents() override;

 private:
  Calculator& calc_;
  std::function<void()> report_;
  int class_row_ = -1;  // the class list's row for a window not made yet
  QButtonGroup* tiers_ = nullptr;
  QComboBox* class_list_ = nullptr;
  std::array<PictureBox*, 4> pictures_{};
  std::array<QLabel*, 4> names_{};
  std::array<TCenterStringGrid*, 4> grids_{};
};

}  // namespace brennick
