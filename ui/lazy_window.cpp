#include "ui/lazy_window.h"

namespace brennick {

void LazyWindow::ensure_built() const {
  if (built_) return;
  built_ = true;  // first, so that what the building asks of the window does not build again
  auto* self = const_cast<LazyWindow*>(this);
  self->build_contents();
  if (!client_.isEmpty()) self->setFixedSize(client_.expandedTo(QWidget::sizeHint()));
}

void LazyWindow::set_client_size(QSize client) {
  client_ = client;
  setFixedSize(built_ ? client.expandedTo(QWidget::sizeHint()) : client);
}

void LazyWindow::setVisible(bool visible) {
  if (visible) ensure_built();
  QWidget::setVisible(visible);
}

QSize LazyWindow::sizeHint() const {
  ensure_built();
  return QWidget::sizeHint();
}

}  // namespace brennick
