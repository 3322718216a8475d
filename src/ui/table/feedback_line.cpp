#include "table/feedback_line.h"

#include <QAccessible>
#include <QPainter>

#include "auction/bid_keys.h"
#include "common/symbol_text_painter.h"
#include "dialogs/colour_scheme.h"
#include "model/bid_text.h"
#include "table/table_translations.h"

namespace tavlo {

namespace {

// Under the bidding record and the play pad, across to the table's right
// edge, where no other control lies in any phase.
constexpr QRect FeedbackPlace(455, 538, 497, 24);
constexpr int Margin = 6;
const QString Ellipsis = QStringLiteral("…");

// The symbol markup of a suit ("~H").
QString SuitMarkup(int suit) { return QString("~") + QChar::fromLatin1(StrainLetters[suit][0]); }

// The words of a suit led, plural, by suit code.
constexpr std::array<const char*, 4> SuitWords{"FbClubs", "FbDiamonds", "FbHearts", "FbSpades"};

}  // namespace

QString CardMarkup(Card card) {
  const int rank = CardRank(card);
  return SuitMarkup(CardSuit(card)) +
         (rank == 10 ? QString("10") : QString(QChar::fromLatin1(RankLetters[rank])));
}

FeedbackLine::FeedbackLine(std::function<QString(const char*)> word,
                           std::function<QString(int)> seatName, QWidget* desk)
    : QFrame(desk), word_(std::move(word)), seatName_(std::move(seatName)) {
  setObjectName("FeedbackLine");
  setGeometry(FeedbackPlace);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SetSchemeTag(this, 2);
  QFont lineFont = font();
  lineFont.setPointSize(10);
  lineFont.setBold(true);
  setFont(lineFont);
  hide();
}

void FeedbackLine::Show(const Feedback& feedback, int language) {
  feedback_ = feedback;
  SetLanguage(language);
}

void FeedbackLine::SetLanguage(int language) {
  language_ = language;
  text_ = Compose();
  setToolTip(text_.isEmpty() ? QString() : text_);
  // A screen reader announces each new sentence.
  setAccessibleName(text_);
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
  setVisible(!text_.isEmpty());
  update();
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
    text += word_("FbCardBy").arg(seatName_(f.Defence[at].Seat), CardMarkup(f.Defence[at].Card));
  }
  return text + "; " + word_("FbWinsTrick").arg(seatName_(f.Seat));
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
    case FeedbackKind::BidForSeat: {
      const int lang = language_ >= 0 && language_ < 6 ? language_ : 0;
      return word_("FbBidForSeat")
          .arg(seatName_(f.Seat), QString(QChar::fromLatin1(BidKeyLetters[lang][6])));
    }
    case FeedbackKind::Hint:
      return word_("FbHint").arg(CardMarkup(f.Hint)) + QStringLiteral(" — ") +
             ReasonPhrase(f.HintReason, language_);
    case FeedbackKind::ClaimRefused:
      return word_("FbClaimFails").arg(ShortfallText(f.Shortfall), DefenceText(f));
    case FeedbackKind::CardRefused:
      switch (f.Refusal) {
        case CardRefusal::NotYourTurn:
          return word_("FbNotYourTurn").arg(seatName_(f.Seat));
        case CardRefusal::AlreadyPlayed:
          return word_("FbAlreadyPlayed").arg(CardMarkup(f.Chosen));
        case CardRefusal::NotHeld:
          return word_("FbNotHeld").arg(CardMarkup(f.Chosen), seatName_(f.Seat));
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
  if (text_.isEmpty()) return;
  QPainter painter(this);
  painter.setFont(font());
  const int room = width() - 2 * Margin;
  // Words come off the end until the rest fits with its ellipsis.
  QString shown = text_;
  auto widthOf = [&](const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return SymbolTextWidth(font(), BoldStyle, {bytes.constData(), std::size_t(bytes.size())},
                           language_);
  };
  while (widthOf(shown) > room && shown.contains(' ')) {
    shown = shown.left(shown.lastIndexOf(' ')) + Ellipsis;
  }
  const QByteArray bytes = shown.toUtf8();
  const int top = (height() - QFontMetrics(font()).height()) / 2;
  DrawSymbolText(painter, Margin, top, BoldStyle, QColor(0, 0, 128),
                 {bytes.constData(), std::size_t(bytes.size())}, language_);
}

}  // namespace tavlo
