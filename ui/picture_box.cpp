#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>

namespace brennick {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_TranslucentBackground, false);
}

void PictureBox::set_image(const QImage& image) {
  image_ = image;
  rescale();
}

void PictureBox::set_clickable(bool clickable) {
  clickable_ = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QImage crisp_scaled(const QImage& image, QSize target) {
  if (image.isNull() || target.isEmpty() || image.size() == target) return image;
  const int w = image.width(), h = image.height();
  if (target.width() < w || target.height() < h)
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (target.width() % w == 0 && target.height() % h == 0 && target.width() / w == target.height() / h)
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  // Pixels repeated to the next whole multiple, then brought down smoothly:
  // edges stay sharp, only one pixel of each seam is mixed.
  const int n = std::max((target.width() + w - 1) / w, (target.height() + h - 1) / h);
  return image.scaled(w * n, h * n, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PictureBox::rescale() {
  if (image_.isNull() || width() <= 0 || height() <= 0) {
    clear();
    return;
  }
  // Drawn for the screen's pixels (zoom and platform scale factor).
  const qreal ratio = devicePixelRatioF();
  const QSize target = image_.size().scaled(size() * ratio, Qt::KeepAspectRatio);
  QPixmap shown = QPixmap::fromImage(crisp_scaled(image_, target));
  shown.setDevicePixelRatio(ratio);
  setPixmap(shown);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (clickable_ && isEnabled() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  rescale();
}

}  // namespace brennick
