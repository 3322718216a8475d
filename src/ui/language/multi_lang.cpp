#include "language/multi_lang.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace tavlo {

namespace {

// Texts of successive items: the main group, then every continuation group.
QStringList ReadItems(WordReader& reader) {
  QStringList items{reader.Take()};
  while (reader.KeyIs(ContinuationKey)) items << reader.Take();
  return items;
}

// A property that takes a text. One of another type (a number named "text",
// say) cannot take a caption: its component keeps what it shows, and the
// rest of the window still changes language.
bool HasTextProperty(const QObject* component, const char* property) {
  const QMetaObject* meta = component->metaObject();
  const int index = meta->indexOfProperty(property);
  if (index < 0) return false;
  const QMetaProperty found = meta->property(index);
  return found.isWritable() && found.metaType() == QMetaType::fromType<QString>();
}

// List-like controls take the texts of successive groups as their items; a
// radio group takes its caption first. Returns false for any other kind.
bool ApplyItems(QObject* component, WordReader& reader) {
  if (auto* box = qobject_cast<QComboBox*>(component)) {
    const QStringList items = ReadItems(reader);
    // The user's choice is the item, not its text: it survives the switch.
    const int chosen = box->currentIndex();
    for (int i = 0; i < items.size(); ++i) {
      if (i < box->count())
        box->setItemText(i, items[i]);
      else
        box->addItem(items[i]);
    }
    box->setCurrentIndex(chosen);
  } else if (auto* list = qobject_cast<QListWidget*>(component)) {
    const QStringList items = ReadItems(reader);
    for (int i = 0; i < items.size(); ++i) {
      if (i < list->count())
        list->item(i)->setText(items[i]);
      else
        list->addItem(items[i]);
    }
  } else if (auto* tabs = qobject_cast<QTabWidget*>(component)) {
    const QStringList items = ReadItems(reader);
    for (int i = 0; i < items.size() && i < tabs->count(); ++i) tabs->setTabText(i, items[i]);
  } else if (auto* bar = qobject_cast<QTabBar*>(component)) {
    const QStringList items = ReadItems(reader);
    for (int i = 0; i < items.size() && i < bar->count(); ++i) bar->setTabText(i, items[i]);
  } else if (auto* grid = qobject_cast<QTableWidget*>(component)) {
    const QStringList items = ReadItems(reader);
    for (int i = 0; i < items.size() && i < grid->columnCount(); ++i)
      grid->setHorizontalHeaderItem(i, new QTableWidgetItem(items[i]));
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(component)) {
    memo->setPlainText(ReadItems(reader).join('\n'));
  } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
    const QStringList items = ReadItems(reader);
    group->setTitle(items.first());
    const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
    for (int i = 1; i < items.size() && i - 1 < buttons.size(); ++i)
      buttons[i - 1]->setText(items[i]);
  } else {
    return false;
  }
  return true;
}

// Menus, windows and every control with a caption or a text take the main
// group. Returns false for a component without any of them.
bool ApplyCaption(QObject* component, WordReader& reader) {
  if (auto* menu = qobject_cast<QMenu*>(component)) {
    menu->setTitle(reader.Take());
    return true;
  }
  auto* widget = qobject_cast<QWidget*>(component);
  if (widget && widget->isWindow()) {
    widget->setWindowTitle(reader.Take());
    return true;
  }
  for (const char* property : {"title", "text"}) {
    if (HasTextProperty(component, property)) {
      component->setProperty(property, reader.Take());
      return true;
    }
  }
  return false;
}

}  // namespace

void TMultiLang::ApplyEntry(QObject* component, WordReader& reader) {
  const qsizetype start = reader.Position();
  if (!ApplyItems(component, reader)) ApplyCaption(component, reader);

  if (!HasTextProperty(component, "toolTip")) return;
  if (reader.Position() == start) reader.Skip();
  if (!reader.KeyIs(HintKey)) return;
  // An empty hint in a language leaves the hint shown before.
  const QString hint = reader.Take();
  if (!hint.isEmpty()) component->setProperty("toolTip", hint);
}

}  // namespace tavlo
