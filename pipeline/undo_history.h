// The undo history: every user action is one step that can be taken back
// and done again.
//
// A step keeps what one action changed: the controls of the sheet whose
// state differs afterwards (each as it was before and after), the
// calculation state before and after, and the two status-bar panels.
// Undo puts the "before" back, redo the "after"; neither runs a pass, so
// the sheet and the state are exactly what they were (the same
// `brennick-cli eval --json` output).
//
// Typing into one box is one step: actions that name the same box as
// `typing` extend the open step until end_typing() (the box lost the
// focus) or any other action. An action that changes nothing is no step.
// A new step drops what was undone; the oldest step goes when the history
// is full.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator.h"

namespace brennick {

class UndoHistory {
 public:
  static constexpr std::size_t kDefaultDepth = 500;
  explicit UndoHistory(std::size_t depth = kDefaultDepth) : depth_(depth == 0 ? 1 : depth) {}

  // Runs `action` (one user action on `calc`) and keeps what it changed as
  // one step; true when it changed something.
  template <class Action>
  bool record(Calculator& calc, Action&& action, std::optional<Ctl> typing = std::nullopt) {
    begin(calc, typing);
    action();
    return end(calc);
  }
  // The two halves of record(), for callers that cannot pass the action.
  void begin(const Calculator& calc, std::optional<Ctl> typing = std::nullopt);
  // True when the action changed something (a step was kept or extended).
  bool end(const Calculator& calc);

  // The box being typed into lost the focus: its step is complete.
  void end_typing() { typing_open_ = false; }

  bool can_undo() const { return !done_.empty(); }
  bool can_redo() const { return !undone_.empty(); }
  std::size_t undo_count() const { return done_.size(); }
  std::size_t redo_count() const { return undone_.size(); }
  std::size_t depth() const { return depth_; }

  // Take back the last step / do the last undone step again. False when
  // there is none. Runs no pass.
  bool undo(Calculator& calc);
  bool redo(Calculator& calc);

  void clear();

  // The modified mark: set by every change (a step, an undo, a redo) and
  // cleared by mark_saved() (after a load or a save).
  bool modified() const { return modified_; }
  void mark_saved() { modified_ = false; }

 private:
  struct ControlChange {
    Ctl id;
    Control before, after;
  };
  struct Step {
    std::vector<ControlChange> controls;
    CalcState state_before, state_after;
    std::string panel0_before, panel0_after, panel1_before, panel1_after;
    std::optional<Ctl> typing;
  };
  struct Snapshot {
    Sheet sheet;
    CalcState state;
  };

  static void put(Calculator& calc, const Step& step, bool after);

  std::size_t depth_;
  std::deque<Step> done_;
  std::vector<Step> undone_;
  std::optional<Snapshot> before_;
  std::optional<Ctl> typing_;
  bool typing_open_ = false;
  bool modified_ = false;
};

}  // namespace brennick
