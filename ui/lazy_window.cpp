#include "ui/lazy_window.h"

#include <QApplication>
#include <QVBoxLayout>

#include <cmath>

#include "ui/zoom.h"

namespace brennick {

QWidget* LazyWindow::page() const {
  if (!page_) {
    auto* self = const_cast<LazyWindow*>(this);
    self->page_ = new QWidget(self);
    self->page_->setObjectName(objectName() + QStringLiteral("_page"));
  }
  return page_;
}

void LazyWindow::ensure_built() const {
  if (built_) return;
  built_ = true;  // first, so that what the building asks of the window does not build again
  auto* self = const_cast<LazyWindow*>(this);
  // Made in the application's font of now (the designed one: windows are
  // made before a zoom changes it), not one the window took over when it
  // was created at another zoom.
  if (!testAttribute(Qt::WA_SetFont)) self->setFont(QApplication::font());
  QWidget* contents = page();
  self->build_contents();
  // What was placed on the window itself moves onto the page, where it
  // stands: the page is what scrolls when the window is smaller.
  for (QWidget* child : self->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child == contents || child->isWindow()) continue;
    const bool hidden = child->isHidden();
    const QRect at = child->geometry();
    child->setParent(contents);
    child->setGeometry(at);
    if (!hidden) child->show();
  }
  auto* frame = new QVBoxLayout(self);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->setSpacing(0);
  frame->addWidget(new FitScrollArea(contents, self));
  if (!client_.isEmpty()) {
    self->built_full_ = client_.expandedTo(contents->sizeHint());
    self->set_full_size(built_full_);
  }
}

void LazyWindow::set_full_size(QSize full) {
  if (page_ && built_) page_->setMinimumSize(full);
  setFixedSize(full);
}

void LazyWindow::set_client_size(QSize client) {
  client_ = client;
  if (built_) built_full_ = client.expandedTo(page()->sizeHint());
  set_full_size(built_ ? built_full_ : client);
}

void LazyWindow::refit() {
  if (!built_ || built_full_.isEmpty()) return;
  const double f = style_zoom_factor();
  QSize full(static_cast<int>(std::lround(built_full_.width() * f)),
             static_cast<int>(std::lround(built_full_.height() * f)));
  if (grows_with_contents()) {
    // Its hint at the sizes in force: every layout in it forgets the last.
    for (QLayout* l : page_->findChildren<QLayout*>()) l->invalidate();
    full = full.expandedTo(page_->sizeHint());
  }
  page_->setMinimumSize(full);
  keep_on_screen(this, full);
}

void LazyWindow::setVisible(bool visible) {
  if (visible) {
    ensure_built();
    const QSize full = full_window_size(this);
    keep_on_screen(this, full.isValid() ? full : minimumSize());
  }
  QWidget::setVisible(visible);
}

QSize LazyWindow::sizeHint() const {
  ensure_built();
  return QWidget::sizeHint();
}

}  // namespace brennick
