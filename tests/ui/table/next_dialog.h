#pragma once
// Driving the dialogs the table opens modally, as a user would: act on the
// next one once it is up, click rows of the saved-hand grid, press OK.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/sort_grid.h"

namespace tavlo {

// Acts on the dialog the table opens modally, once it is up.
template <typename Dialog>
class NextDialog {
 public:
  explicit NextDialog(std::function<void(Dialog&)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      timer_.stop();
      seen = true;
      act(*dialog);
    });
    timer_.start(0);
  }
  bool seen = false;

 private:
  QTimer timer_;
};

inline QPoint RowPoint(const TSortGrid& grid, int row) {
  return grid.visualRect(grid.model()->index(row, 1)).center();
}

inline void ClickRow(TSortGrid& grid, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, RowPoint(grid, row));
}

inline void PressOk(QDialog& dialog) {
  QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
}

}  // namespace tavlo
