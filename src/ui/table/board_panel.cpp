#include "table/board_panel.h"

#include <QLabel>
#include <QPainter>

#include "model/codes.h"

namespace tavlo {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(alignment);
  return label;
}

}  // namespace

VulnerabilityShape::VulnerabilityShape(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
}

void VulnerabilityShape::SetFill(const QColor& fill) {
  fill_ = fill;
  update();
}

void VulnerabilityShape::SetOutline(const QColor& colour, int width) {
  outline_ = colour;
  outlineWidth_ = width;
  update();
}

void VulnerabilityShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), fill_);
  QPen pen(outline_);
  pen.setWidth(outlineWidth_ + 1);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (outlineWidth_ > 0) painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

DupBoardPanel::DupBoardPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("DupBd");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  resize(210, 100);

  MakeLabel(this, "DupBdLabel1", "Board", {8, 6, 80, 18});
  MakeLabel(this, "DupBdLabel2", "Dealer", {8, 26, 80, 18});
  MakeLabel(this, "DupBdLabel3", "Vulnerable", {8, 46, 80, 18});
  theBoardNo_ = MakeLabel(this, "TheBoardNo", "", {88, 6, 64, 18}, Qt::AlignCenter);
  theDealer_ = MakeLabel(this, "TheDealer", "", {88, 26, 64, 18}, Qt::AlignCenter);
  theVul_ = MakeLabel(this, "TheVul", "", {88, 46, 64, 18}, Qt::AlignCenter);
  bidSysLabel_ = MakeLabel(this, "BidSysLabel", "", {8, 72, 194, 20});
  for (QLabel* value : {theBoardNo_, theDealer_, theVul_}) {
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
  }

  auto* dup = new QFrame(this);
  dup->setObjectName("Dup");
  dup->setToolTip("Duplicate Board");
  constexpr int Band = 12, Size = 50;
  dup->setGeometry(154, 10, Size, Size);
  const std::array<QRect, 4> sides{
      QRect(0, 0, Size, Band), QRect(Size - Band, Band, Band, Size - 2 * Band),
      QRect(0, Size - Band, Size, Band), QRect(0, Band, Band, Size - 2 * Band)};
  for (int seat = North; seat <= West; ++seat) {
    shapes_[seat] =
        new VulnerabilityShape(QString::fromLatin1(SeatNames[seat].data()) + "Vul", dup);
    shapes_[seat]->setGeometry(sides[seat]);
  }
}

void DupBoardPanel::DupBoard(const BoardFacts& facts) {
  theBoardNo_->setText(QString::number(facts.BoardNumber));
  theDealer_->setText(facts.DealerName.left(1));
  theVul_->setText(facts.VulnerabilityName);
  for (int seat = North; seat <= West; ++seat) {
    const bool vulnerable = IsVulnerable(facts.Vulnerability, SideOfSeat(seat));
    shapes_[seat]->SetFill(vulnerable ? QColor(Qt::red) : QColor(Qt::gray));
    shapes_[seat]->SetOutline(Qt::black, 0);
  }
  if (facts.Dealer >= North && facts.Dealer <= West)
    shapes_[facts.Dealer]->SetOutline(Qt::white, 1);
  bidSysLabel_->setText(facts.BiddingSystemName);
}

}  // namespace tavlo
