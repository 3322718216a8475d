#pragma once
// The developer's test display of the engine ("Test play"): the line just
// searched at the table's position, trick by trick in a grid with a row per
// seat from declarer's left hand round to declarer, each trick's winning
// card marked, the line's first card on yellow, and the losers projected,
// the search width and the tricks searched. OK goes on with the next
// candidate; "&Close" ends the search of this position after this one.

#include <QDialog>

#include "engine/play_state.h"

class QLabel;
class QTableWidget;

namespace tavlo {

class TDebugger : public QDialog {
  Q_OBJECT
 public:
  // The modal result of "&Close".
  static constexpr int StopResult = 3;

  explicit TDebugger(QWidget* parent = nullptr);

  // Shows the line on the engine's table modally; true when the developer
  // closed it to end the position's search.
  bool ShowLine(const PlayContext& context);

  QTableWidget* Grid() const { return grid_; }
  QLabel* Label(int n) const;

 private:
  // The trick numbers and the seats' names, then the cells of the line.
  void FormActivate(const PlayContext& context);
  void DisplayCells(const PlayContext& context);

  QTableWidget* grid_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
};

}  // namespace tavlo
