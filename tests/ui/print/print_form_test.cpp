// The print-out of a hand, read from its laid-out page and from the page
// drawn on an image and into a PDF file: the information rows, the auction
// from the dealer's column with its alerts numbered, the explanations cut to
// their room, the cards of every trick, and the labels of the language.

#include "print/print_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <map>

#include "deal_of.h"
#include "engine/legal_cards.h"
#include "engine/play_state.h"
#include "model/bid_text.h"
#include "print/print_page.h"
#include "test_application.h"

namespace tavlo {
namespace {

::testing::Environment* const application = AddTestApplication("tavlo_print_test");

constexpr std::string_view Deal =
    "N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432";

// A hand of board 7 in 4S doubled by South, dealer East, both vulnerable,
// played to its end by the lowest legal cards.
Game PlayedHand() {
  Game game;
  game.Table.Deal = testing_support::DealOf(Deal);
  game.Table.LessonNumber = 7;
  game.Record.Vulnerability = 3;
  game.Auction.Dealer = East;
  game.Auction.Declarer = South;
  game.Auction.ContractBid = ContractBidCode(4, Spades);
  game.Auction.Doubling = 1;
  game.Auction.ScriptedAuction = {"1C(!)", "P", "1S(!)", "P", "4S", "X(!)", "P", "P", "P"};
  game.Auction.AlertLines = {"(1) Forcing one round with at least five spades",
                             "A line that is no explanation", "REM:Take your time", "(2) Short"};
  game.Hands.Deal(game.Table.Deal);
  game.Hands.BindSuitViews(Spades);
  game.Play.Declarer = South;
  game.Play.Trump = Spades;
  game.Play.ContractLevel = 4;
  SystemClock clock;
  PlayContext context{game.Hands, game.Play, game.Search, clock, nullptr};
  ResetPlay(context);
  while (game.Play.CardsPlayed < 52)
    PlayCard(context, LegalCards(game.Hands, game.Play).LowestCard());
  game.Table.HandScore = -800;
  return game;
}

const PrintText* Find(const PrintPage& page, const QString& text) {
  for (const PrintText& item : page.Texts)
    if (item.Text == text) return &item;
  return nullptr;
}

// The texts of one auction line, from the left.
std::vector<QString> AuctionLine(const PrintPage& page, int line) {
  std::vector<std::pair<int, QString>> found;
  for (const PrintText& item : page.Texts)
    if (item.Top == line * 18 - 5) found.emplace_back(item.X, item.Text);
  std::sort(found.begin(), found.end());
  std::vector<QString> texts;
  for (const auto& [x, text] : found) texts.push_back(text);
  return texts;
}

TEST(PrintForm, LaysOutTheHandTheAuctionAndThePlay) {
  TPrintForm form;
  const Game game = PlayedHand();
  const PrintPage page = form.PrintHandOnCanvas(game, 0);

  // Dealer East: the first row leaves West and North blank; the alerts are
  // numbered in the order of the script.
  EXPECT_EQ(AuctionLine(page, 18), (std::vector<QString>{"1~C(1)", "P"}));
  EXPECT_EQ(Find(page, "1~C(1)")->X, 161);
  EXPECT_EQ(AuctionLine(page, 19), (std::vector<QString>{"1~S(2)", "P", "4~S", "X(3)"}));
  EXPECT_EQ(AuctionLine(page, 20), (std::vector<QString>{"P", "P", "P"}));
  ASSERT_NE(Find(page, "West"), nullptr);

  // Explanations from their fifth character, numbered, and remarks, each
  // line within the room beside the auction: a long explanation goes on in
  // the lines below; other lines are left out.
  std::vector<const PrintText*> alerts;
  for (const PrintText& item : page.Texts)
    if (item.X == 290 && item.Top >= 18 * 18) alerts.push_back(&item);
  QStringList lines;
  for (const PrintText* alert : alerts) {
    lines << alert->Text;
    EXPECT_LE(alert->X + PrintTextWidth(*alert, 0), 493 - 4) << alert->Text.toStdString();
  }
  EXPECT_GT(lines.size(), 3);
  EXPECT_TRUE(lines.front().startsWith("(1) Forcing one"));
  EXPECT_EQ(lines.join(' '),
            "(1) Forcing one round with at least five spades Take your time "
            "(2) Short");
  EXPECT_EQ(Find(page, "A line that is no explanation"), nullptr);
  // The frame of the auction holds every line.
  EXPECT_GE(page.Frames[2].bottom(), alerts.back()->Top + 12);

  // The information rows.
  const PrintText* letter = Find(page, "S");
  ASSERT_NE(letter, nullptr);
  EXPECT_EQ(letter->Colour, QColor(0, 128, 0));
  EXPECT_TRUE(letter->RightAligned);
  EXPECT_EQ(letter->X, 288);
  const PrintText* contract = Find(page, "4~S X by ");
  ASSERT_NE(contract, nullptr);
  EXPECT_LT(contract->X, 288);
  EXPECT_NE(Find(page, "7"), nullptr);
  EXPECT_NE(Find(page, "East"), nullptr);
  EXPECT_NE(Find(page, "Both"), nullptr);
  EXPECT_NE(Find(page, "  -800"), nullptr);
  EXPECT_NE(Find(page, QString::asprintf("%4d", game.Play.DeclarerTricks)), nullptr);

  // Thirteen tricks of four cards from declarer's left, with the winners marked.
  int cards = 0, winners = 0;
  for (const PrintText& item : page.Texts) {
    if (item.X < 300 || item.Top < 2 * 18 + 1 || item.Top > 14 * 18 + 1) continue;
    ++cards;
    winners += item.Text.endsWith('+') || item.Text.endsWith('-');
    EXPECT_EQ(item.Text[0], '~') << item.Text.toStdString();
  }
  EXPECT_EQ(cards, 52);
  EXPECT_EQ(winners, 13);
  EXPECT_EQ(Find(page, "Cards played at each trick")->X, 300);
  EXPECT_EQ(Find(page, "West")->Top, 5 * 18 + 1);  // West's hand heads line 5
}

// A hand nobody bid prints "Passed Out" where the contract stands, with
// no declarer and no cards played, in the learner's language.
TEST(PrintForm, APassedOutHandPrintsPassedOutWithoutDeclarerOrCards) {
  TPrintForm form;
  Game game;
  game.Table.Deal = testing_support::DealOf(Deal);
  game.Auction.ContractBid = Pass;
  game.Auction.ScriptedAuction = {"P", "P", "P", "P"};
  const PrintPage page = form.PrintHandOnCanvas(game, 0);
  const PrintText* passed = Find(page, "Passed Out");
  ASSERT_NE(passed, nullptr);
  EXPECT_EQ(passed->X, 288);
  for (const PrintText& item : page.Texts) EXPECT_NE(item.Colour, QColor(0, 128, 0));
  for (const PrintText& item : page.Texts) EXPECT_FALSE(item.X >= 300 && item.Top > 2 * 18);
  const std::pair<int, const char*> cases[] = {{1, "Passet rundt"},
                                               {2, "Passet rundt"},
                                               {3, "Donne passée"},
                                               {4, "Durchgepasst"},
                                               {5, "Passat runt"}};
  for (const auto& [language, words] : cases)
    EXPECT_NE(Find(form.PrintHandOnCanvas(game, language), QString::fromUtf8(words)), nullptr)
        << words;
}

TEST(PrintForm, TheLabelsFollowTheLanguage) {
  TPrintForm form;
  const PrintPage german = form.PrintHandOnCanvas(PlayedHand(), 4);
  for (const char* label :
       {"Hand", "Tl.", "Gef.", "Kontr.", "Stiche:", "Gespielte Karten", "Ost", "4~S X von "})
    EXPECT_NE(Find(german, label), nullptr) << label;
  const PrintPage english = form.PrintHandOnCanvas(PlayedHand(), 0);
  EXPECT_NE(Find(english, "Deal:"), nullptr);
}

// In every language, each text of the information rows and of the play's
// heading stays clear of its neighbours and inside its frame: French and
// German labels are long enough to run into their values at full size.
TEST(PrintForm, NoTextOfTheTopRowsRunsIntoAnotherInAnyLanguage) {
  TPrintForm form;
  Game passedOut = PlayedHand();
  passedOut.Auction.ContractBid = Pass;
  for (const Game& game : {PlayedHand(), passedOut}) {
    for (int language = 0; language < 6; ++language) {
      std::map<int, std::vector<std::pair<int, int>>> spans;  // by top: left, right
      for (const PrintText& text : form.PrintHandOnCanvas(game, language).Texts) {
        if (text.Top > 2 * 18 + 1) continue;
        const int width = PrintTextWidth(text, language);
        const int left = text.RightAligned ? text.X - width : text.X;
        spans[text.Top].emplace_back(left, left + width);
        EXPECT_TRUE(left >= 295 || left + width <= 295) << text.Text.toStdString();
        EXPECT_LE(left + width, 493) << text.Text.toStdString();
      }
      for (auto& [top, line] : spans) {
        std::sort(line.begin(), line.end());
        for (std::size_t i = 1; i < line.size(); ++i)
          EXPECT_LE(line[i - 1].second, line[i].first) << "language " << language << " top " << top;
      }
    }
  }
}

// The page drawn: the frames in navy and the texts in black on white, on an
// image and into a PDF file a user can open.
TEST(PrintForm, DrawsThePageOnAnImageAndIntoAPdf) {
  TPrintForm form;
  const Game game = PlayedHand();
  QImage image(PrintPageSize, PrintPageSize, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    TPrintForm::PaintPage(painter, form.PrintHandOnCanvas(game, 0), 0);
  }
  EXPECT_EQ(image.pixelColor(0, 100), QColor(0, 0, 128));
  EXPECT_EQ(image.pixelColor(295, 100), QColor(0, 0, 128));
  EXPECT_EQ(image.pixelColor(600, 600), QColor(Qt::white));
  int dark = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 80; x < 200; ++x) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 100) << "North's hand is on the page";

  QTemporaryDir folder;
  const QString path = folder.filePath("hand.pdf");
  EXPECT_EQ(WriteHandPdf(path, form, game, 0), "");
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_GT(pdf.size(), 5000);
  EXPECT_NE(WriteHandPdf(folder.filePath("no/such/folder/hand.pdf"), form, game, 0), "");
}

}  // namespace
}  // namespace tavlo
