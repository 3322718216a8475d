#include "print/print_form.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <array>

#include "common/symbol_text_painter.h"
#include "dialogs/dialog_translations.h"
#include "game/play_flow.h"
#include "language/multi_lang.h"
#include "model/bid_text.h"
#include "model/deal_text.h"
#include "model/play_record_text.h"
#include "model/symbol_text.h"

namespace tavlo {

namespace {

constexpr int LineHeight = 18;
const QColor Navy(0, 0, 128), Blue(0, 0, 255), Green(0, 128, 0);

// The page's texts in the page's own units, whatever the resolution it is
// drawn at: a size-11 text is 13 units high, a size-10 one 12, which gives
// the wide sans face the room the narrow screen face of the layout had.
QFont PrintFont(const PrintText& text) {
  QFont font("DejaVu Sans");
  font.setPixelSize(text.PixelSize > 0 ? text.PixelSize : text.PointSize == 10 ? 12 : 13);
  font.setBold(text.Style & BoldStyle);
  font.setUnderline(text.Style & UnderlineStyle);
  return font;
}

// Shrinks the texts of one stretch of a row together, as little as needed,
// until they fit its room with a small gap after each: the longer words of
// French or German would otherwise run into their values or out of the frame.
void ShrinkToFit(std::initializer_list<PrintText*> texts, int room, int language) {
  constexpr int Gap = 4, SmallestSize = 8;
  const auto width = [&] {
    int sum = 0;
    for (const PrintText* text : texts) sum += PrintTextWidth(*text, language) + Gap;
    return sum;
  };
  for (int size = PrintFont(**texts.begin()).pixelSize() - 1;
       width() > room && size >= SmallestSize; --size)
    for (PrintText* text : texts) text->PixelSize = size;
}

int LineTop(int line) { return line * LineHeight + 1; }

constexpr std::array<int, 4> HandLeft{88, 175, 88, 3};
constexpr std::array<int, 4> HandFirstLine{0, 5, 10, 5};
// Auction columns from the left: West, North, East, South.
constexpr std::array<int, 4> AuctionLeft{81, 161, 241, 3};  // by seat
constexpr std::array<int, 4> PlayLeft{300, 350, 400, 450};
// The labels of the information rows keep clear of the frame, as the hands
// and the auction do.
constexpr int LeftLabel = 4, RightLabel = 175, LeftValueEdge = 74, RightValueEdge = 288,
              AlertLeft = 290, AlertGap = 4, AlertPointSize = 10, PlayFrameRight = 493;

}  // namespace

int PrintTextWidth(const PrintText& text, int language) {
  const QFont font = PrintFont(text);
  if (text.Symbols) return SymbolTextWidth(font, text.Style, text.Text.toStdString(), language);
  return QFontMetrics(font).horizontalAdvance(text.Text);
}

TPrintForm::TPrintForm(QWidget* parent) : QWidget(parent), multiLang_(new TMultiLang(this)) {
  setObjectName("PrintForm");
  for (const char* name : {"LabelN", "LabelE", "LabelS", "LabelW", "LabelNone", "LabelNS",
                           "LabelEW", "LabelBoth", "LabelDeal", "LabelDlr", "LabelVul", "LabelBid",
                           "LabelScore", "LabelMsg", "Labelby", "LabelTrks", "LabelPassedOut"}) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
  }
  LoadDialogTranslations(*multiLang_, "print_form.tsv");
  hide();
}

QString TPrintForm::Label(const char* name) const { return findChild<QLabel*>(name)->text(); }

QString TPrintForm::TranslatedSeatName(int seat) const {
  constexpr std::array<const char*, 4> names{"LabelN", "LabelE", "LabelS", "LabelW"};
  return Label(names[seat & 3]);
}

PrintPage TPrintForm::PrintHandOnCanvas(const Game& game, int language) {
  multiLang_->SetActiveLanguage(language);
  PrintPage page;
  const AuctionState& auction = game.Auction;
  const auto items = static_cast<int>(auction.ScriptedAuction.size());
  const int auctionRows = (items + (auction.Dealer + 1) % 4 + 3) / 4;
  const QStringList alertLines = AlertLines(game, language);
  // The explanations start a line below the auction's first row.
  const int rows = std::max(auctionRows, static_cast<int>(alertLines.size()) + 1);
  page.Frames = {QRect(0, 0, 295, 280), QRect(295, 0, PlayFrameRight - 295, 280),
                 QRect(0, 280, 493, (rows + 18) * LineHeight - 280)};
  Show4Hands(page, game);
  ShowInformation(page, game, language);
  ShowBids(page, game);
  ShowAlerts(page, alertLines);
  ShowPlay(page, game, language);
  return page;
}

void TPrintForm::Show4Hands(PrintPage& page, const Game& game) const {
  for (int seat = North; seat <= West; ++seat) {
    const int first = HandFirstLine[seat];
    page.Texts.push_back(
        {TranslatedSeatName(seat), HandLeft[seat], LineTop(first), false, false, UnderlineStyle});
    for (int suit = Spades; suit >= Clubs; --suit) {
      const std::string text = HoldingText(suit, game.Table.Deal[seat][suit]);
      page.Texts.push_back({QString::fromStdString(text), HandLeft[seat],
                            LineTop(first + 1 + Spades - suit), false, true});
    }
  }
}

void TPrintForm::ShowInformation(PrintPage& page, const Game& game, int language) const {
  const AuctionState& auction = game.Auction;
  // Each row: a label at the left and one at the middle, in bold blue, each
  // with its value ending at its edge.
  const auto label = [&](const char* name, int left, int line) {
    return PrintText{Label(name), left, LineTop(line), false, false, BoldStyle, Blue};
  };
  const auto value = [&](const QString& text, int edge, int line) {
    return PrintText{text, edge, LineTop(line), true};
  };
  const auto show = [&](PrintText labelText, PrintText valueText) {
    ShrinkToFit({&labelText, &valueText}, valueText.X - labelText.X, language);
    page.Texts.push_back(std::move(labelText));
    page.Texts.push_back(std::move(valueText));
  };
  show(label("LabelDeal", LeftLabel, 0),
       value(QString::number(game.Table.LessonNumber), LeftValueEdge, 0));
  if (auction.ContractBid == Pass) {
    show(label("LabelBid", RightLabel, 0), value(Label("LabelPassedOut"), RightValueEdge, 0));
  } else {
    PrintText contractLabel = label("LabelBid", RightLabel, 0);
    PrintText letter = value(TranslatedSeatName(auction.Declarer).left(1), RightValueEdge, 0);
    letter.Style = BoldStyle;
    letter.Colour = Green;
    // The declarer's letter follows a blank: "4♥ by S".
    const std::string contract = BidLongText(auction.ContractBid, auction.Doubling) + " " +
                                 Label("Labelby").toStdString() + " ";
    PrintText contractText = value(QString::fromStdString(contract), RightValueEdge, 0);
    contractText.Symbols = true;
    ShrinkToFit({&contractLabel, &contractText, &letter}, RightValueEdge - RightLabel, language);
    contractText.X = RightValueEdge - PrintTextWidth(letter, language);
    page.Texts.push_back(std::move(contractLabel));
    page.Texts.push_back(std::move(letter));
    page.Texts.push_back(std::move(contractText));
  }
  show(label("LabelDlr", LeftLabel, 1),
       value(TranslatedSeatName(auction.Dealer), LeftValueEdge, 1));
  show(label("LabelTrks", RightLabel, 1),
       value(QString::asprintf("%4d", game.Play.DeclarerTricks), RightValueEdge, 1));
  constexpr std::array<const char*, 4> vulnerability{"LabelNone", "LabelNS", "LabelEW",
                                                     "LabelBoth"};
  show(label("LabelVul", LeftLabel, 2),
       value(Label(vulnerability[game.Record.Vulnerability & 3]), LeftValueEdge, 2));
  show(label("LabelScore", RightLabel, 2),
       value(QString::asprintf("%6d", game.Table.HandScore).left(8), RightValueEdge, 2));
}

void TPrintForm::ShowBids(PrintPage& page, const Game& game) const {
  for (int seat : {West, North, East, South})
    page.Texts.push_back({TranslatedSeatName(seat), AuctionLeft[seat], 17 * LineHeight - 5, false,
                          false, UnderlineStyle});
  int line = 18;
  int seat = game.Auction.Dealer;
  int alerts = 0;
  for (std::string item : game.Auction.ScriptedAuction) {
    if (!item.empty() && item != "---") {
      if (const auto alert = item.find("(!)"); alert != std::string::npos)
        item = item.substr(0, item.find('(')) + "(" + std::to_string(++alerts) + ")";
      if (item[0] >= '1' && item[0] <= '7') item.insert(1, "~");
      page.Texts.push_back(
          {QString::fromStdString(item), AuctionLeft[seat], line * LineHeight - 5, false, true});
    }
    if (seat == South) ++line;
    seat = NextSeat(seat);
  }
}

QStringList TPrintForm::AlertLines(const Game& game, int language) {
  constexpr int RemarkLength = 250;
  const QFont font = PrintFont({.PointSize = AlertPointSize});
  const int room = PlayFrameRight - AlertGap - AlertLeft;
  QStringList lines;
  int number = 0;
  for (const std::string& text : game.Auction.AlertLines) {
    const QString whole = QString::fromStdString(text);
    const bool remark = whole.left(4).toUpper() == "REM:";
    if (!remark && !whole.startsWith('(')) continue;
    // An explanation is cut no more: a long one goes on in lines below.
    const QString rest = whole.mid(4);
    const QString shown = remark ? rest.left(RemarkLength) : QString("(%1) ").arg(++number) + rest;
    lines << WrapSymbolText(font, PlainStyle, shown, room, language);
  }
  return lines;
}

void TPrintForm::ShowAlerts(PrintPage& page, const QStringList& lines) {
  int line = 18;
  for (const QString& text : lines) {
    ++line;
    page.Texts.push_back({text, AlertLeft, line * LineHeight - 4, false, true, PlainStyle,
                          Qt::black, AlertPointSize});
  }
}

void TPrintForm::ShowPlay(PrintPage& page, const Game& game, int language) const {
  PrintText heading{Label("LabelMsg"), PlayLeft[0], 1, false, false, BoldStyle, Qt::black, 10};
  ShrinkToFit({&heading}, PlayFrameRight - PlayLeft[0], language);
  page.Texts.push_back(std::move(heading));
  const SeatCode declarer = game.Play.Declarer;
  for (int column = 0; column < 4; ++column)
    page.Texts.push_back({TranslatedSeatName((declarer + 1 + column) % 4), PlayLeft[column],
                          LineTop(1), false, false, UnderlineStyle, Qt::black, 10});
  // A hand passed out, or not played to its end, has no cards to show.
  if (!HandIsOver(game)) return;
  const std::string text = PlayRecordText(game.Play.PlayRecord, declarer);
  std::size_t start = 0;
  for (int at = 0; at < 52 && start < text.size(); ++at) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    std::string card = text.substr(start, end - start);
    start = end + 1;
    // Named as every text names a card ("~D10"), the winner's sign after it.
    const std::string sign = card.substr(2);
    card = CardMarkup(MakeCard(RankOfLetter(card[0]), SuitOfLetter(card.substr(1, 1)))) + sign;
    page.Texts.push_back({QString::fromStdString(card), PlayLeft[at % 4], LineTop(2 + at / 4),
                          false, true, PlainStyle, Qt::black, 10});
  }
}

void TPrintForm::PaintPage(QPainter& painter, const PrintPage& page, int language) {
  painter.fillRect(QRect(0, 0, PrintPageSize, PrintPageSize), Qt::white);
  painter.setPen(QPen(Navy, 1));
  painter.setBrush(Qt::NoBrush);
  for (const QRect& frame : page.Frames) painter.drawRect(frame);
  for (const PrintText& text : page.Texts) {
    const QFont font = PrintFont(text);
    painter.setFont(font);
    const int x = text.RightAligned ? text.X - PrintTextWidth(text, language) : text.X;
    if (text.Symbols) {
      DrawSymbolText(painter, x, text.Top, text.Style, text.Colour, text.Text.toStdString(),
                     language);
    } else {
      painter.setPen(text.Colour);
      painter.drawText(x, text.Top + QFontMetrics(font).ascent(), text.Text);
    }
  }
}

}  // namespace tavlo
