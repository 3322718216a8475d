#include "table/table_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/colour_scheme.h"

namespace tavlo {

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& place, int tag) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setGeometry(place);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetSchemeTag(panel, tag);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QFrame* MakePad(QWidget* parent, const char* name) {
  QFrame* pad = MakePanel(parent, name, QRect(PadPlace, PadSize), 2);
  auto* layout = new QVBoxLayout(pad);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(4);
  return pad;
}

QPushButton* AddButton(QFrame* pad, const char* name, const QString& text, const QString& hint) {
  auto* button = new QPushButton(text, pad);
  button->setObjectName(name);
  // The table focuses the command to take next: Enter takes it, as Space does.
  button->setAutoDefault(true);
  if (!hint.isEmpty()) button->setToolTip(hint);
  pad->layout()->addWidget(button);
  // A pad stays hidden until its phase comes: its buttons take the pad's
  // width now, room for their captions in every language.
  pad->layout()->activate();
  return button;
}

}  // namespace tavlo
