#pragma once
// The board panel: board number, dealer, vulnerability and bidding system,
// with a picture of a duplicate board whose four sides show who is
// vulnerable (red) and who deals (white outline).

#include <QFrame>
#include <QString>
#include <array>

class QLabel;

namespace tavlo {

// One side of the duplicate board.
class VulnerabilityShape : public QWidget {
  Q_OBJECT
 public:
  VulnerabilityShape(const QString& name, QWidget* parent);
  void SetFill(const QColor& fill);
  // A width of 0 is the thinnest line.
  void SetOutline(const QColor& colour, int width);
  QColor Fill() const { return fill_; }
  QColor Outline() const { return outline_; }
  int OutlineWidth() const { return outlineWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::gray;
  QColor outline_ = Qt::black;
  int outlineWidth_ = 0;
};

// What the board panel shows of a hand, in the words of the language.
struct BoardFacts {
  int BoardNumber = 0;
  int Dealer = 0;
  int Vulnerability = 0;
  QString DealerName;         // the dealer's seat name
  QString VulnerabilityName;  // "None", "N-S", "E-W" or "Both"
  QString BiddingSystemName;
};

class DupBoardPanel : public QFrame {
  Q_OBJECT
 public:
  explicit DupBoardPanel(QWidget* parent);
  void DupBoard(const BoardFacts& facts);
  // The side of seat, indexed by seat code.
  VulnerabilityShape* Shape(int seat) const { return shapes_[seat]; }

 private:
  QLabel* theBoardNo_;
  QLabel* theDealer_;
  QLabel* theVul_;
  QLabel* bidSysLabel_;
  std::array<VulnerabilityShape*, 4> shapes_{};
};

}  // namespace tavlo
