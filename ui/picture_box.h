// A picture box: shows one picture scaled into its rectangle (keeping the
// picture's proportions, centred), optionally clickable.
#pragma once

#include <QImage>
#include <QLabel>

namespace brennick {

// `image` at `target` pixels without blurring a small picture: whole
// multiples repeat each pixel (nearest neighbour); other enlargements repeat
// pixels to the next whole multiple and scale that down smoothly; a
// reduction is smooth.
QImage crisp_scaled(const QImage& image, QSize target);

class PictureBox : public QLabel {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Shows `image` (a null image shows nothing).
  void set_image(const QImage& image);
  const QImage& image() const { return image_; }

  void set_clickable(bool clickable);
  bool clickable() const { return clickable_; }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void rescale();

  QImage image_;
  bool clickable_ = false;
};

}  // namespace brennick
