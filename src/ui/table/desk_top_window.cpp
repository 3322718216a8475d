// The table window's size and the View menu: the table's own size on a new
// window, never smaller than four fifths of it unless the screen is; zoom
// and the deck's colours; all of it kept for the next run in the player's
// display settings.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "cards/my_card.h"
#include "common/display_settings.h"
#include "common/notifier.h"
#include "common/suit_colours.h"
#include "table/auction_panel.h"
#include "table/bid_box.h"
#include "table/desk_top.h"
#include "table/desk_view.h"

namespace tavlo {

namespace {

// The window may shrink the table to this share of its own size.
constexpr double SmallestShare = 0.8;

}  // namespace

void TDeskTop::SizeTheWindow() {
  const QSize own = sizeHint();
  const QScreen* screen = this->screen();
  const QSize room = screen ? screen->availableGeometry().size() : QSize();
  QSize smallest = (QSizeF(own) * SmallestShare).toSize();
  if (screen) smallest = smallest.boundedTo(room);
  setMinimumSize(smallest);

  const DisplaySettings settings = ReadDisplaySettings(folders_.UserFile(DisplaySettingsFileName));
  // A size remembered from a larger screen is cut to this one.
  QSize size = settings.WindowSize.isEmpty() ? own : settings.WindowSize;
  if (!settings.WindowSize.isEmpty() && screen) size = size.boundedTo(room);
  resize(size.expandedTo(smallest));
  if (settings.Maximised) setWindowState(windowState() | Qt::WindowMaximized);
  view_->SetZoom(settings.Zoom);
  SetFourColourDeck(settings.FourColours);
  MenuItem("FourColourDeck1")->setChecked(settings.FourColours);
}

void TDeskTop::CreateViewMenu() {
  // Between the play's menu and the bidding system's.
  QMenu* view = new QMenu("&View", this);
  view->setObjectName("View1");
  menuBar()->insertMenu(findChild<QMenu*>("BiddingSystem1")->menuAction(), view);
  connect(AddItem(view, "ZoomIn1", "Zoom &In", QKeySequence::ZoomIn), &QAction::triggered, view_,
          &DeskView::ZoomIn);
  // Ctrl+= as well, for keyboards where + needs Shift.
  MenuItem("ZoomIn1")->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(AddItem(view, "ZoomOut1", "Zoom &Out", QKeySequence::ZoomOut), &QAction::triggered, view_,
          &DeskView::ZoomOut);
  connect(AddItem(view, "FitToWindow1", "&Fit to Window", QKeySequence(Qt::CTRL | Qt::Key_0)),
          &QAction::triggered, view_, &DeskView::FitToWindow);
  view->addSeparator();
  QAction* fourColours = AddItem(view, "FourColourDeck1", "Four-&colour deck");
  fourColours->setCheckable(true);
  connect(fourColours, &QAction::toggled, this, [this](bool on) {
    SetFourColourDeck(on);
    // Every card and suit sign of the table is drawn again in the deck's
    // inks, and the bid box's suits take them too.
    for (TMyCard* card : desk_->findChildren<TMyCard*>()) card->Redraw();
    auction_->BidPad()->ShowStrainColours();
    desk_->update();
  });
}

void TDeskTop::SaveDisplaySettings() const {
  DisplaySettings settings;
  const QSize size = isMaximized() ? normalGeometry().size() : this->size();
  if (size != sizeHint()) settings.WindowSize = size;
  settings.Maximised = isMaximized();
  settings.Zoom = view_->Zoom();
  settings.FourColours = FourColourDeck();
  // A player who never changed how the table is shown gets no file.
  const QString file = folders_.UserFile(DisplaySettingsFileName);
  if (settings == DisplaySettings{} && !QFile::exists(file)) return;
  if (const Status saved = WriteDisplaySettings(settings, file); !saved)
    Notifier::Current().Message(QString::fromStdString(saved.Error()));
}

}  // namespace tavlo
