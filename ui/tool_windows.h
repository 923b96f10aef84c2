// The tools' windows: the aging simulator and the bitmap patcher. Both only
// show the tools' core models (tools/) and pass the user's clicks on.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "base/number_text.h"
#include "engine/services.h"
#include "tools/aging_sim.h"
#include "tools/bmp_patcher.h"
#include "ui/lazy_window.h"
#include "ui/tool_services.h"

class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace brennick {

class AgingWindow : public LazyWindow {
  Q_OBJECT
 public:
  AgingWindow(ToolServices services, QWidget* owner, std::unique_ptr<RandomSource> random = nullptr);
  ~AgingWindow() override;

  const AgingSimulator& simulator() const { return sim_; }
  void age() {
    ensure_built();
    on_age();
  }
  // The source of the attempts' draws from here on (a script or a seeded
  // generator in tests; the window starts with the clock-seeded one).
  void set_random_source(std::unique_ptr<RandomSource> random) {
    if (random) random_ = std::move(random);
  }

 protected:
  void build_contents() override;
  bool grows_with_contents() const override;

 private:
  QVBoxLayout* build_item_column();
  QGroupBox* build_cost_box();
  void add_notes(QVBoxLayout* column);
  QVBoxLayout* build_buttons_column();
  QHBoxLayout* build_history_and_odds();
  void on_age();
  void on_reset();
  void show_model();
  void show_odds();
  void show_odds_panel(bool shown);

  ToolServices services_;
  std::unique_ptr<RandomSource> random_;
  AgingSimulator sim_;
  QPlainTextEdit* item_info_ = nullptr;
  QPlainTextEdit* history_ = nullptr;
  std::array<QLabel*, kSheltomKinds> counts_{};
  QLabel *shelt_price_ = nullptr, *age_price_ = nullptr, *total_price_ = nullptr;
  QLabel *p2_ = nullptr, *p1_ = nullptr, *m2_ = nullptr, *m1_ = nullptr;
  std::array<QLineEdit*, kPricedSheltoms> prices_{};
  QButtonGroup* items_ = nullptr;
  QPushButton* age_ = nullptr;
  QLabel* odds_caption_ = nullptr;
  QTableWidget* odds_ = nullptr;
  QWidget* odds_panel_ = nullptr;
  QPushButton* odds_button_ = nullptr;
};

class PatcherWindow : public LazyWindow {
  Q_OBJECT
 public:
  PatcherWindow(ToolServices services, QWidget* owner);

  const BmpPatcher& patcher() const { return patcher_; }
  void patch() {
    ensure_built();
    on_patch();
  }
  void save_log() { patcher_.save_log(*services_.dialogs); }

 protected:
  void build_contents() override;

 private:
  void on_patch();

  ToolServices services_;
  BmpPatcher patcher_;
  QPlainTextEdit* log_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QLabel *success_ = nullptr, *fail_ = nullptr;
};

}  // namespace brennick
