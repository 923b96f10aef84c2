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
  // The client size set (empty when none was).
  QSize client_size() const { return client_; }
  // The window's size made again at the zoom in force (after a zoom, and
  // after a part of it was shown or hidden): its size as built, zoomed, and
  // as much more as its layout asks for while grows_with_contents(); kept on
  // the screen.
  void refit();

  // The widget the contents are made on (build_contents puts its layout or
  // its hand-placed widgets there; widgets made on the window itself are
  // moved onto it). It fills the window inside a scroll area, which scrolls
  // when the screen is smaller than the window.
  QWidget* page() const;

  // Everything of the window's layout that waits for it to be shown or
  // zoomed; apply_zoom calls it before it takes the built sizes.
  virtual void finish_layout() { ensure_built(); }
  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  // Makes the window's widgets and shows its state in them.
  virtual void build_contents() = 0;
  // True while the window shows more than it was built with (a panel
  // opened), so that its size follows its layout.
  virtual bool grows_with_contents() const { return false; }

 private:
  void set_full_size(QSize full);

  mutable bool built_ = false;
  QWidget* page_ = nullptr;
  QSize built_full_;  // the size as built, at 100 %
  QSize client_;  // empty: no fixed size
};

}  // namespace brennick
