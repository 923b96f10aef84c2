#include "ui/lazy_window.h"

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
  if (!client_.isEmpty()) self->set_full_size(client_.expandedTo(contents->sizeHint()));
}

void LazyWindow::set_full_size(QSize full) {
  if (page_ && built_) page_->setMinimumSize(full);
  setFixedSize(full);
}

void LazyWindow::set_client_size(QSize client) {
  client_ = client;
  set_full_size(built_ ? client.expandedTo(page()->sizeHint()) : client);
}

void LazyWindow::refit() {
  if (!built_ || client_.isEmpty()) return;
  const double f = style_zoom_factor();
  const QSize client(static_cast<int>(std::lround(client_.width() * f)),
                     static_cast<int>(std::lround(client_.height() * f)));
  if (QLayout* l = page_->layout()) l->activate();
  const QSize full = client.expandedTo(page_->sizeHint());
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
