#pragma once
// Where the table's parts lie, and the small makers of its panels, labels and
// command pads that the table and each of its features share.

#include <QFrame>
#include <QRect>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

namespace tavlo {

// The trick area sits between the four hands; the board panel takes the top
// left corner, so North's hand starts right of it, and the bid box, the stop
// light and the bidding record stand at the right. The bid box covers the
// right part of East's hand during the auction, so the hands at the side
// start level with it. The hands of North and South are as wide as thirteen
// cards face up; those of East and West hold four rows of a suit each.
inline constexpr QRect DupBdPlace(8, 5, 210, 100);
inline constexpr QRect TablePlace(213, 110, 240, 200);
inline constexpr std::array<QRect, 4> HandPlaces{QRect(220, 5, 345, 100), QRect(560, 110, 190, 203),
                                                 QRect(103, 318, 345, 100),
                                                 QRect(8, 110, 190, 203)};
// The command pads of the auction's end, the play and the hand's end share
// one place: only the pad of the phase is ever shown.
inline constexpr QPoint PadPlace(455, 310);
inline constexpr QSize PadSize(200, 150);
inline constexpr QRect CommentPlace(103, 422, 345, 36);
// A lesson's point stands right of East's hand, where the bid box stood
// during the auction.
inline constexpr QRect LessonPointPlace(756, 128, 160, 248);
inline constexpr QRect TricksPlace(8, 462, 400, 97);
inline constexpr QRect HCPPlace(455, 470, 170, 48);
inline constexpr QSize DeskSize(965, 565);

// A raised panel coloured by the scheme entry tag.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& place, int tag);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place);
// A command pad at the pads' place, its buttons one under the other.
QFrame* MakePad(QWidget* parent, const char* name);
QPushButton* AddButton(QFrame* pad, const char* name, const QString& text,
                       const QString& hint = {});

}  // namespace tavlo
