#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPixmap>

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

void PictureBox::rescale() {
  if (image_.isNull() || width() <= 0 || height() <= 0) {
    clear();
    return;
  }
  QImage shown = image_;
  if (shown.size() != size()) shown = shown.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  setPixmap(QPixmap::fromImage(shown));
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
