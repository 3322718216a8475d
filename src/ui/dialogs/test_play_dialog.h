#pragma once
// The developer's test display of the engine ("Test play"): each line the
// search tried at the table's position, trick by trick in a grid with a row
// per seat from declarer's left hand round to declarer, each trick's winning
// card marked, the line's first card on yellow, and the losers projected,
// the search width and the tricks searched, and the engine's rule for the
// line's first card. OK shows the next candidate's
// line; "&Close" shows no more of them.

#include <QDialog>

#include "engine/card_choice.h"

class QLabel;
class QTableWidget;

namespace tavlo {

class TDebugger : public QDialog {
  Q_OBJECT
 public:
  // The modal result of "&Close".
  static constexpr int StopResult = 3;

  explicit TDebugger(QWidget* parent = nullptr);

  // Shows a line the search tried modally; true when the developer closed
  // it to see no more of the position's lines (anything but OK).
  bool ShowLine(const SearchedLine& line);

  QTableWidget* Grid() const { return grid_; }
  QLabel* Label(int n) const;

 private:
  // The trick numbers and the seats' names, then the cells of the line.
  void FormActivate(const SearchedLine& line);
  void DisplayCells(const SearchedLine& line);

  QTableWidget* grid_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
  QLabel* label4_;
};

}  // namespace tavlo
