#pragma once
// The preferences driven as a user drives them: buttons clicked, a design
// picked from the list with the arrow keys, a colour picked in the colour
// dialog. Shared by the dialog's tests and the table's.

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tavlo {

inline void PressButton(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

inline void ChooseDesign(QWidget& dialog, int design) {
  auto* list = dialog.findChild<QComboBox*>("CardBack");
  ASSERT_NE(list, nullptr);
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < design; ++i) QTest::keyClick(list, Qt::Key_Down);
  ASSERT_EQ(list->currentIndex(), design);
}

// "Color", then the colour dialog closed with OK (or cancelled when not chosen).
inline void ChooseBackColour(QWidget& dialog, const QColor& colour, bool chosen = true) {
  QTimer::singleShot(0, [colour, chosen] {
    auto* colours = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(colours, nullptr);
    colours->setCurrentColor(colour);
    chosen ? colours->accept() : colours->reject();
  });
  PressButton(dialog, "NewColorButton");
}

}  // namespace tavlo
