#pragma once
// The frame round the control of the table that has the keyboard focus: the
// button, call or command that Enter or Space would press, ringed just
// outside its edge in black and white, so it stands out on every panel,
// every bid colour and either colour scheme.

#include <QPointer>
#include <QWidget>

namespace tavlo {

class FocusRing : public QWidget {
  Q_OBJECT
 public:
  // Follows the focus among the controls on desk.
  explicit FocusRing(QWidget* desk);

  // The control the ring stands round; nullptr when no control of the desk
  // has the focus.
  QWidget* Target() const { return target_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusChanged(QWidget* now);
  // Round the target wherever it now stands; hidden when it is.
  void Follow();

  QWidget* desk_;
  QPointer<QWidget> target_;
  bool followPending_ = false;
};

}  // namespace tavlo
