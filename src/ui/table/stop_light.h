#pragma once
// The stop light: three lamps, from the top red (a stop bid, to be passed),
// yellow (bid on or pass, as the hand says) and green (forcing). The lamp of
// the light in force is solid, the others hatched.

#include <QFrame>
#include <QWidget>
#include <array>

namespace tavlo {

class StopLightLamp : public QWidget {
  Q_OBJECT
 public:
  StopLightLamp(const QString& name, const QColor& colour, const QString& hint, QWidget* parent);
  void SetLit(bool lit);
  bool IsLit() const { return lit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
  bool lit_ = false;
};

class StopLight : public QFrame {
  Q_OBJECT
 public:
  explicit StopLight(QWidget* parent = nullptr);

  // 'R', 'Y' or 'G' lights that lamp; any other letter leaves all hatched.
  void ShowStopLight(char colour);
  // The lit lamp's letter, '0' when none is lit.
  char Colour() const;

 private:
  std::array<StopLightLamp*, 3> lamps_{};  // red, yellow, green
};

}  // namespace tavlo
