#include "table/feedback_line.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "auction/bid_keys.h"
#include "common/desk_scaler.h"
#include "common/symbol_text_painter.h"
#include "dialogs/colour_scheme.h"
#include "model/bid_text.h"
#include "model/symbol_text.h"
#include "table/table_layout.h"
#include "table/table_translations.h"

namespace tavlo {

namespace {

// One line of text stands under the bidding record and the play pad,
// across to the table's right edge, where no other control lies in any
// phase. A longer text takes more lines: the line grows upward from that
// bottom edge.
constexpr QRect FeedbackPlace(455, 538, 497, 24);
constexpr int Margin = 6;   // left and right of the text
constexpr int Padding = 4;  // above and below it
// Where the line may start, tried in turn until its lines cover nothing the
// learner reads or presses: its own place; the whole foot of the table,
// while no tricks lie there (the auction); the column right of the pads,
// empty while the cards are played.
constexpr std::array<int, 3> Lefts{FeedbackPlace.left(), TricksPlace.left(),
                                   PadPlace.x() + PadSize.width() + 5};
const QString Ellipsis = QStringLiteral("…");

// A card in the line's words, suit mark first ("~H10").
QString MarkedCard(Card card) { return QString::fromStdString(CardMarkup(card)); }

// What the learner reads or presses on the desk, as shown: every shown part
// of a shown control (the buttons of a pad, the grid of the bidding record,
// the pictures of the tricks), or the control itself when it has no parts.
std::vector<QRect> ShownParts(const QWidget& desk, const QWidget* except) {
  std::vector<QRect> parts;
  for (const QWidget* control :
       desk.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (control == except || control->isWindow() || !control->isVisibleTo(&desk)) continue;
    const QList<QWidget*> own =
        control->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (own.isEmpty()) parts.push_back(control->geometry());
    for (const QWidget* part : own) {
      if (part->isVisibleTo(&desk)) parts.emplace_back(part->mapTo(&desk, QPoint()), part->size());
    }
  }
  return parts;
}

// The words of a suit led, plural, by suit code.
constexpr std::array<const char*, 4> SuitWords{"FbClubs", "FbDiamonds", "FbHearts", "FbSpades"};

}  // namespace

FeedbackLine::FeedbackLine(std::function<QString(const char*)> word,
                           std::function<QString(int)> seatName, QWidget* desk)
    : QFrame(desk), word_(std::move(word)), seatName_(std::move(seatName)) {
  setObjectName("FeedbackLine");
  setGeometry(FeedbackPlace);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SetSchemeTag(this, 2);
  ownFont_ = font();
  ownFont_.setPointSize(10);
  ownFont_.setBold(true);
  setFont(ownFont_);
  hide();
}

void FeedbackLine::Show(const Feedback& feedback, int language) {
  feedback_ = feedback;
  SetLanguage(language);
}

void FeedbackLine::SetLanguage(int language) {
  language_ = language;
  text_ = Compose();
  // A screen reader announces each new sentence, the suits by their signs.
  setAccessibleName(SymbolPlainText(text_, language_));
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
  if (text_.isEmpty()) {
    lines_.clear();
    hide();
    return;
  }
  Place();
  show();
  update();
}

void FeedbackLine::Place() {
  // The lines are broken at the table's own size, so the text reads the
  // same at every size of the window.
  const std::vector<QRect> parts = ShownParts(*parentWidget(), this);
  const double factor = DeskFactor(this);
  const int lineHeight = QFontMetrics(ownFont_).height();
  QRect place;
  for (const int left : Lefts) {
    const int width = FeedbackPlace.x() + FeedbackPlace.width() - left;
    const QStringList lines =
        WrapSymbolText(ownFont_, BoldStyle, text_, width - 2 * Margin, language_);
    const int height =
        std::max(FeedbackPlace.height(), int(lines.size()) * lineHeight + 2 * Padding);
    const QRect tried(left, FeedbackPlace.y() + FeedbackPlace.height() - height, width, height);
    const QRect shown = DeskScaler::Scaled(tried, factor);
    const bool clear = std::none_of(parts.begin(), parts.end(),
                                    [&](const QRect& part) { return part.intersects(shown); });
    // With no room anywhere, the text is read whole at the line's own place,
    // over whatever it covers.
    if (clear || place.isNull()) {
      place = tried;
      lines_ = lines;
    }
    if (clear) break;
  }
  PlaceOnDesk(this, place);
  raise();
}

QString FeedbackLine::ShortfallText(int tricks) const {
  return tricks == 1 ? word_("FbOneTrick") : word_("FbTricks").arg(tricks);
}

QString FeedbackLine::DefenceText(const Feedback& f) const {
  // The line ends with a whole trick: counted back from there, the cards
  // fall into their tricks, the first perhaps begun before the claim.
  QString text;
  const std::size_t count = f.Defence.size();
  for (std::size_t at = 0; at < count; ++at) {
    if (at > 0) text += (count - at) % 4 == 0 ? "; " : ", ";
    text += word_("FbCardBy").arg(seatName_(f.Defence[at].Seat), MarkedCard(f.Defence[at].Card));
  }
  return text + "; " + word_("FbWinsTrick").arg(seatName_(f.Seat));
}

QString FeedbackLine::SlipText(const Feedback& f) const {
  if (f.Typed == "\b") return word_("FbNoCallToTakeBack");
  // The strain letters and the pass letter of the learner's language.
  const std::string_view letters = BidKeyLetters[language_ >= 0 && language_ < 6 ? language_ : 0];
  const auto letter = [&](int at) { return QString(QChar::fromLatin1(letters[at])); };
  const QString strains =
      word_("FbStrainKeys").arg(letter(0), letter(1), letter(2), letter(3), letter(4));
  if (f.Typed.empty()) return word_("FbSlipEnter").arg(strains, letter(5));
  const QString key = QString::fromStdString(f.Typed).toLower();
  if (f.AfterLevel) return word_("FbSlipStrain").arg(key, strains);
  return word_("FbSlipKey").arg(key, strains, letter(5));
}

QString FeedbackLine::CallText(Bid call) const {
  switch (call) {
    case Pass:
      return word_("LabelPass");
    case Double:
      return word_("LabelDbl");
    case Redouble:
      return word_("LabelRedbl");
    default:
      return QString::fromStdString(BidSymbolText(call));
  }
}

QString FeedbackLine::Compose() const {
  const Feedback& f = feedback_;
  switch (f.Kind) {
    case FeedbackKind::None:
      return {};
    case FeedbackKind::CallRefused:
      if (f.LessonCall == NoBid) return word_("FbNotLessonCall");
      if (f.Explanation.empty()) return word_("FbLessonBids").arg(CallText(f.LessonCall));
      return word_("FbLessonBidsWhy")
          .arg(CallText(f.LessonCall), QString::fromStdString(f.Explanation));
    case FeedbackKind::Typing:
      return (f.Typed == "T" ? QString("10") : QString::fromStdString(f.Typed)) + Ellipsis;
    case FeedbackKind::KeySlip:
      return SlipText(f);
    case FeedbackKind::BidForSeat: {
      const int lang = language_ >= 0 && language_ < 6 ? language_ : 0;
      return word_("FbBidForSeat")
          .arg(seatName_(f.Seat), QString(QChar::fromLatin1(BidKeyLetters[lang][6])));
    }
    case FeedbackKind::Hint:
      return word_("FbHint").arg(MarkedCard(f.Hint)) + QStringLiteral(" — ") +
             ReasonPhrase(f.HintReason, language_);
    case FeedbackKind::HintRefused:
      switch (f.NoHint) {
        case HintRefusal::ClearTrickFirst:
          return word_("FbHintClearFirst");
        case HintRefusal::TrickWaiting:
          return word_("FbHintLeadsNext").arg(seatName_(f.Seat));
        default:
          return word_("FbHintPlaysNext").arg(seatName_(f.Seat));
      }
    case FeedbackKind::ClaimRefused:
      return word_("FbClaimFails").arg(ShortfallText(f.Shortfall), DefenceText(f));
    case FeedbackKind::CardRefused:
      switch (f.Refusal) {
        case CardRefusal::NotYourTurn:
          return word_("FbNotYourTurn").arg(seatName_(f.Seat));
        case CardRefusal::AlreadyPlayed:
          return word_("FbAlreadyPlayed").arg(MarkedCard(f.Chosen));
        case CardRefusal::NotHeld:
          return word_("FbNotHeld").arg(MarkedCard(f.Chosen), seatName_(f.Seat));
        case CardRefusal::MustFollowSuit:
          return word_("FbFollowSuit").arg(word_(SuitWords[f.SuitLed & 3]));
        case CardRefusal::None:
        case CardRefusal::NoPlay:
          return {};
      }
  }
  return {};
}

void FeedbackLine::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  const int margin = int(std::lround(Margin * DeskFactor(this)));
  const int lineHeight = QFontMetrics(font()).height();
  int top = (height() - int(lines_.size()) * lineHeight) / 2;
  for (const QString& line : lines_) {
    const QByteArray bytes = line.toUtf8();
    DrawSymbolText(painter, margin, top, BoldStyle, QColor(0, 0, 128),
                   {bytes.constData(), std::size_t(bytes.size())}, language_);
    top += lineHeight;
  }
}

}  // namespace tavlo
