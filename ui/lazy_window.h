// A window whose contents are made the first time they are needed, not when
// the window itself is: start-up makes every window, but fills only the one
// it shows. The contents are made before the window first shows, before a
// zoom takes its built sizes (DeferredLayout), when its size hint is asked
// for, and by ensure_built() (MainWindow::secondary_window calls it, so that
// whoever asks the main window for a window gets it whole).
#pragma once

#include <QWidget>
#include <functional>

#include "ui/zoom.h"

namespace brennick {

class LazyWindow : public QWidget, public DeferredLayout {
 public:
  using QWidget::QWidget;

  // Makes the contents, once; nothing when they are made. Callable on a
  // const window: making them changes what it shows, not what it is.
  void ensure_built() const;
  bool built() const { return built_; }
  // Runs once the contents are made (the window takes its size then).
  void set_after_build(std::function<void()> after) { after_build_ = std::move(after); }

  void finish_layout() override { ensure_built(); }
  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  // Makes the window's widgets and shows its state in them.
  virtual void build_contents() = 0;

 private:
  mutable bool built_ = false;
  std::function<void()> after_build_;
};

}  // namespace brennick
