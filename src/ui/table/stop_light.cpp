#include "table/stop_light.h"

#include <QPainter>

namespace tavlo {
namespace {

constexpr int LampSize = 24, Margin = 3;
constexpr std::array<char, 3> LampLetters{'R', 'Y', 'G'};

}  // namespace

StopLightLamp::StopLightLamp(const QString& name, const QColor& colour, const QString& hint,
                             QWidget* parent)
    : QWidget(parent), colour_(colour) {
  setObjectName(name);
  setToolTip(hint);
  setFixedSize(LampSize, LampSize);
}

void StopLightLamp::SetLit(bool lit) {
  lit_ = lit;
  update();
}

void StopLightLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(lit_ ? QBrush(colour_) : QBrush(colour_, Qt::DiagCrossPattern));
  painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

StopLight::StopLight(QWidget* parent) : QFrame(parent) {
  setObjectName("StopLight");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(64, 64, 64));
  setPalette(colours);
  lamps_ = {
      new StopLightLamp("RedLight", QColor(255, 0, 0), "A stop bid which should be passed", this),
      new StopLightLamp("YellowLight", QColor(255, 255, 0),
                        "Bid on or pass depending on the actual hand", this),
      new StopLightLamp("GreenLight", QColor(0, 255, 0), "A forcing bid which must not be passed",
                        this)};
  for (int n = 0; n < 3; ++n) lamps_[n]->move(Margin, Margin + n * (LampSize + Margin));
  setFixedSize(LampSize + 2 * Margin, 3 * LampSize + 4 * Margin);
  ShowStopLight('0');
}

void StopLight::ShowStopLight(char colour) {
  for (int n = 0; n < 3; ++n) lamps_[n]->SetLit(LampLetters[n] == colour);
}

char StopLight::Colour() const {
  for (int n = 0; n < 3; ++n)
    if (lamps_[n]->IsLit()) return LampLetters[n];
  return '0';
}

}  // namespace tavlo
