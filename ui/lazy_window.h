// A window whose contents are made the first time they are needed, not when
// the window itself is: start-up makes every window, but fills only the one
// it shows. The contents are made before the window first shows, before a
// zoom takes its built sizes (finish_layout), when its size hint is asked
// for, and by ensure_built() (MainWindow::secondary_window calls it, so that
// whoever asks the main window for a window gets it whole).
#pragma once

#include <QSize>
#include <QWidget>

namespace brennick {

class LazyWindow : public QWidget {
 public:
  using QWidget::QWidget;

  // Makes the contents, once; nothing when they are made. Callable on a
  // const window: making them changes what it shows, not what it is.
  void ensure_built() const;
  bool built() const { return built_; }
  // The window's fixed size: `client` now, and once the contents are made,
  // as much more as their layout asks for.
  void set_client_size(QSize client);

  // Everything of the window's layout that waits for it to be shown or
  // zoomed; apply_zoom calls it before it takes the built sizes.
  virtual void finish_layout() { ensure_built(); }
  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  // Makes the window's widgets and shows its state in them.
  virtual void build_contents() = 0;

 private:
  mutable bool built_ = false;
  QSize client_;  // empty: no fixed size
};

}  // namespace brennick
