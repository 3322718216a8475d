// Every window a learner meets, walked through the six languages: the table
// at each step of a hand (start, bidding, end of the auction, play with a
// hint shown, end of the hand) and every dialog. No text the English window
// shows is blank in another language, no English is left where the language
// has words of its own, and going back to English brings every English word
// back. Each window is kept as a picture in German and French, whose words
// run longest, for a look after the run.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <map>
#include <set>

#include "cards/card_art.h"
#include "dialogs/splash_screen.h"
#include "language/help_viewer.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "print/print_form.h"
#include "table/contract_picture.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

// What one window shows: each text by the place of its control.
using WindowTexts = std::map<QString, QString>;

// A control's place in its window: the names of it and its parents, or the
// kind and rank among its kind where a control has no name.
QString PlaceOf(const QObject* control, const QObject* window) {
  QStringList path;
  for (const QObject* at = control; at && at != window; at = at->parent()) {
    QString name = at->objectName();
    if (name.isEmpty()) {
      int rank = 0;
      for (const QObject* sibling : at->parent()->children()) {
        if (sibling == at) break;
        if (sibling->metaObject() == at->metaObject()) ++rank;
      }
      name = QString("%1#%2").arg(at->metaObject()->className()).arg(rank);
    }
    path.prepend(name);
  }
  return path.join('/');
}

void AddCells(WindowTexts& texts, const QString& place, const QAbstractItemModel& model) {
  for (int row = 0; row < model.rowCount(); ++row)
    texts[place + QString("/row heading %1").arg(row)] =
        model.headerData(row, Qt::Vertical).toString();
  for (int column = 0; column < model.columnCount(); ++column) {
    texts[place + QString("/heading %1").arg(column)] =
        model.headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model.rowCount(); ++row) {
      texts[place + QString("/%1,%2").arg(row).arg(column)] =
          model.data(model.index(row, column)).toString();
    }
  }
}

// Every caption on view has the room its words need: a line its whole
// width, wrapped text its whole height.
void ExpectNothingClipped(const QWidget& window, const std::string& where) {
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->window() != &window || !control->isVisibleTo(&window)) continue;
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QPushButton*>(control);
    if (!button && !(label && !label->text().isEmpty() && label->pixmap().isNull())) continue;
    const QString text = label ? label->text() : button->text();
    if (label && label->wordWrap()) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << where << ": " << text.toStdString() << " is cut off below";
    } else {
      EXPECT_GE(control->width(), control->sizeHint().width())
          << where << ": " << text.toStdString() << " is cut off at the side";
    }
  }
}

// The texts a person sees in window: its title, the captions, hints, list
// items and cells of its controls on view, and its menu items.
WindowTexts ShownTexts(const QWidget& window) {
  ExpectNothingClipped(window, window.objectName().toStdString());
  WindowTexts texts{{"title", window.windowTitle()}};
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->window() != &window || !control->isVisibleTo(&window)) continue;
    if (qobject_cast<const QHeaderView*>(control)) continue;  // its view gives its headings
    const QString place = PlaceOf(control, &window);
    if (!control->toolTip().isEmpty()) texts[place + " hint"] = control->toolTip();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      texts[place] = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      texts[place] = button->text();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
      texts[place] = box->title();
    } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
      for (int item = 0; item < list->count(); ++item)
        texts[place + QString("/%1").arg(item)] = list->itemText(item);
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
      AddCells(texts, place, *view->model());
    } else if (const auto* bid = qobject_cast<const BidPanel*>(control)) {
      texts[place] = bid->text();
    } else if (const auto* contract = qobject_cast<const ContractPicture*>(control)) {
      texts[place] = contract->Text();
    }
  }
  for (const QAction* item : window.findChildren<QAction*>()) {
    if (!item->isSeparator() && !item->objectName().isEmpty())
      texts["menu " + item->objectName()] = item->text();
  }
  return texts;
}

// The texts of the print-out, in the order the page draws them.
WindowTexts PageTexts(const PrintPage& page) {
  WindowTexts texts;
  for (std::size_t at = 0; at < page.Texts.size(); ++at)
    texts[QString("text %1").arg(at, 3, 10, QChar('0'))] = page.Texts[at].Text;
  return texts;
}

// The words of a text as a reader takes them: marked-up text as it reads,
// without the cards of holdings ("~S AKJ84", "♥ QT97") and the levels of
// bids, whose signs are the same in every language.
QString WordsOf(const QString& text) {
  static const QRegularExpression cards("~[CDHSN]|[♣♦♥♠]|\\b[AKQJT2-9]+\\b|\\b[1-7](?=NT\\b)");
  QString words = text.contains('<') ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
  return words.remove(cards).simplified();
}

// The words of the lessons themselves stay as the hand file and the alert
// table give them: the comments of the hands, a lesson's point on the
// table and the explanations of alerted bids ("(1) Limit raise: four-card
// support, 10-12 points, invitational").
bool LessonText(const QString& place, const QString& text) {
  static const QRegularExpression comment("(^|/)SH/\\d+,3$");
  static const QRegularExpression alert("^\\(\\d+\\) ");
  return place.contains(comment) || place.endsWith("/LessonPoint") || text.contains(alert);
}

// Words that the translation tables give as English has them for a
// language, because players of that language say them so too, or because
// the window carries the program's name.
const std::map<QString, std::set<int>> SameAsEnglish{
    {"Tavlo 1 Demo", {Danish, Norwegian, German, Swedish}},
    // The title line names the program the same way in every language.
    {"Tavlo 1 Demo - Karen", {Danish, Norwegian, French, German, Swedish}},
    {"Tavlo 1", {Danish, Norwegian, French, German, Swedish}},
    {"NT", {Swedish}},
    {"N-S Score:", {Danish, German, Swedish}},
    {"Roses", {French}},
    {"&OK", {Norwegian, French, German, Swedish}},
    {"OK", {Norwegian, French, German, Swedish}},
    {"Forum &D", {Danish, Norwegian, French, German, Swedish}},
    {"Forum D", {Danish, Norwegian, French, German, Swedish}},
    {"Board", {German}},
    {"Score", {Danish, Norwegian, French, German, Swedish}},
    {"Robot", {Danish, Norwegian, French, Swedish}},
    {"&Pass", {Norwegian, Swedish}},
    {"Pass", {Norwegian, Swedish}},
    {"Long", {French}},
    {"West", {German}},
    // Danish and Norwegian players claim ("claime") in English.
    {"C&laim...", {Danish, Norwegian}},
    {"C&laim", {Danish, Norwegian}},
    {"Claim", {Danish, Norwegian}},
};

// Captions the translation tables leave empty in a language: the window
// shows no title there.
const std::set<std::pair<QString, int>> EmptyInTheLanguage{
    {"Save this hand", French},
    {"From file \"Saved Hands\"", French},
};

bool HasWords(const QString& words) {
  static const QRegularExpression word("[A-Za-z]{2,}");
  return words.contains(word);
}

// A window in every language: shown by show(language) after the table has
// switched to that language, and checked against its English texts.
class WindowLanguagesTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    // The real card pictures, so the pictures show what a player sees.
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
    for (const QString& name : QDir(TAVLO_SOURCE_DIR "/resources/help").entryList({"*.hlp"}))
      ASSERT_TRUE(QFile::copy(TAVLO_SOURCE_DIR "/resources/help/" + name, Path(name)));
  }
  static void Picture(QWidget& window, const QString& name, int language) {
    if (language == French || language == German) {
      window.grab().save(QDir::temp().filePath(
          QString("tavlo_%1_%2.png").arg(name, language == French ? "french" : "german")));
    }
  }
  // The table's own texts, as the table shows them now.
  WindowTexts Table(const QString& name, int language) {
    Picture(*table_, name, language);
    return ShownTexts(*table_);
  }
  // The texts of the modal dialog that command opens, closed again unchanged.
  template <typename Dialog = QDialog>
  WindowTexts Modal(const QString& name, int language, const std::function<void()>& command) {
    WindowTexts texts;
    NextDialog<Dialog> next([&](Dialog& dialog) {
      texts = ShownTexts(dialog);
      Picture(dialog, name, language);
      dialog.reject();
    });
    command();
    EXPECT_TRUE(next.seen) << name.toStdString();
    table_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(table_.get()));
    return texts;
  }

  // Shows the window in English, each other language, and English again;
  // then each language once more, coming from another language than the
  // first time, so no word of the language before stays behind.
  void Walk(const QString& name, const std::function<WindowTexts(int)>& show) {
    const WindowTexts english = ShowIn(English, show);
    std::map<int, WindowTexts> shown;
    for (const int language : {Danish, Norwegian, French, German, Swedish}) {
      shown[language] = ShowIn(language, show);
      ExpectTheLanguage(name, english, shown[language], language);
    }
    for (const int language : {Swedish, French, Danish, German, Norwegian}) {
      EXPECT_EQ(ShowIn(language, show), shown[language])
          << name.toStdString() << " in " << LanguageName(language) << " after another language";
    }
    const WindowTexts back = ShowIn(English, show);
    for (const auto& [place, text] : english) {
      EXPECT_EQ(back.count(place) ? back.at(place) : "(gone)", text)
          << name.toStdString() << ", back in English: " << place.toStdString();
    }
  }
  WindowTexts ShowIn(int language, const std::function<WindowTexts(int)>& show) {
    ChooseLanguage(*table_, language);
    return show(language);
  }
  // A line of an explanation of the auction on the table, as the print-out
  // breaks it: the lesson's own words.
  bool PartOfAnExplanation(const QString& text) const {
    for (const std::string& line : table_->GameState().Auction.AlertLines)
      if (QString::fromStdString(line).contains(text)) return true;
    return false;
  }
  void ExpectTheLanguage(const QString& name, const WindowTexts& english, const WindowTexts& shown,
                         int language) const {
    const std::string where = name.toStdString() + " in " + LanguageName(language);
    for (const auto& [place, text] : english) {
      const auto found = shown.find(place);
      if (found == shown.end()) {
        ADD_FAILURE() << where << ": " << place.toStdString() << " is not shown";
        continue;
      }
      const QString& translated = found->second;
      if (text.isEmpty()) continue;
      if (translated.isEmpty()) {
        EXPECT_TRUE(EmptyInTheLanguage.count({text, language}))
            << where << ": " << place.toStdString() << " is blank where English shows \""
            << text.toStdString() << "\"";
      } else if (translated == text && HasWords(WordsOf(text)) && !LessonText(place, text) &&
                 !PartOfAnExplanation(text)) {
        const auto same = SameAsEnglish.find(WordsOf(text));
        EXPECT_TRUE(same != SameAsEnglish.end() && same->second.count(language))
            << where << ": " << place.toStdString() << " is left in English: \""
            << text.toStdString() << "\"";
      }
    }
  }
  static std::string LanguageName(int language) {
    static const char* const names[] = {"English", "Danish", "Norwegian",
                                        "French",  "German", "Swedish"};
    return names[language];
  }
};

TEST_F(WindowLanguagesTest, TheTableAtEveryStepOfAHandSpeaksEveryLanguage) {
  StartNamed();
  Walk("table_start", [&](int language) { return Table("table_start", language); });

  DealLesson(3);
  TypeCall(ScriptedCall());
  Walk("table_bidding", [&](int language) {
    Picture(*Pad(), "bid_box", language);
    return Table("table_bidding", language);
  });

  BidToTheEnd(0, false);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  Walk("table_end_of_bidding",
       [&](int language) { return Table("table_end_of_bidding", language); });

  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  for (int card = 0; card < 6 && Game().Table.TablePhase == Phase::Play; ++card) {
    Key(Game().Table.TrickWaiting ? Qt::Key_Return : Qt::Key_F7);
    WaitForTheTable();
    if (Control("ButPlayHint")->isVisible())
      QTest::mouseClick(Control<QPushButton>("ButPlayHint"), Qt::LeftButton);
    WaitForTheTable();
  }
  if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
  Key(Qt::Key_F7);
  WaitForTheTable();
  ASSERT_TRUE(Control("ButPlayHint")->isVisible());
  Walk("table_play", [&](int language) {
    Picture(*Control("ThePlayPad"), "play_pad", language);
    return Table("table_play", language);
  });

  FinishTheHand();
  Walk("table_end_of_hand", [&](int language) { return Table("table_end_of_hand", language); });
}

TEST_F(WindowLanguagesTest, EveryDialogSpeaksEveryLanguage) {
  StartNamed();
  DealLesson(3);
  BidAndFinish();

  auto menu = [&](const char* item) { return [this, item] { table_->MenuItem(item)->trigger(); }; };
  for (const auto& [name, item] :
       std::vector<std::pair<QString, const char*>>{{"preferences", "SetupOptions1"},
                                                    {"save_dialog", "SaveHandMenu"},
                                                    {"saved_hand_picker", "PlayaSavedHand1"},
                                                    {"delete_saved_hand", "DeleteaSavedHand1"},
                                                    {"about_box", "AboutTavlo1"}}) {
    Walk(name,
         [&, name = name, item = item](int language) { return Modal(name, language, menu(item)); });
  }

  Walk("review", [&](int language) {
    table_->MenuItem("ReviewHand1")->trigger();
    auto* review = table_->findChild<ReviewForm*>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
    Picture(*review, "review", language);
    WindowTexts texts = ShownTexts(*review);
    review->close();
    return texts;
  });

  Walk("help_viewer", [&](int language) {
    table_->MenuItem("Contents1")->trigger();
    HelpViewer* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<HelpViewer*>(window)) viewer = found;
    EXPECT_NE(viewer, nullptr);
    Picture(*viewer, "help_viewer", language);
    return ShownTexts(*viewer);
  });

  auto* printForm = table_->findChild<TPrintForm*>();
  ASSERT_NE(printForm, nullptr);
  Walk("print_out", [&](int language) {
    const PrintPage page = printForm->PrintHandOnCanvas(Game(), language);
    if (language == French || language == German) {
      QImage sheet(700, 990, QImage::Format_RGB32);
      sheet.fill(Qt::white);
      QPainter painter(&sheet);
      TPrintForm::PaintPage(painter, page, language);
      painter.end();
      sheet.save(QDir::temp().filePath(
          QString("tavlo_print_out_%1.png").arg(language == French ? "french" : "german")));
    }
    return PageTexts(page);
  });

  TSplashScreen splash;
  Walk("splash_screen", [&](int language) {
    splash.SwitchLanguage(language);
    splash.show();
    Picture(splash, "splash_screen", language);
    return ShownTexts(splash);
  });

  // The seed dialog comes last: closing it deals the next hand.
  Walk("new_seed", [&](int language) {
    return Modal("new_seed", language, [this] { QTest::keyClick(table_.get(), Qt::Key_F11); });
  });
}

// Lesson 3 scores par with four spades by North-South: the review says it
// in a sentence of the language, with the suit's sign.
TEST_F(WindowLanguagesTest, TheReviewWritesParInTheLanguage) {
  StartNamed();
  DealLesson(3);
  BidAndFinish();
  const std::array<QString, LanguageCount> par{
      "Par: North-South play 4♠ and take 10 tricks: North-South +420",
      "Par: Nord-Syd spiller 4♠ og tager 10 stik: Nord-Syd +420",
      "Par: Nord-Syd spiller 4♠ og tar 10 stikk: Nord-Syd +420",
      "Par : Nord-Sud jouent 4♠ et font 10 levées : Nord-Sud +420",
      "Par: Nord-Süd spielen 4♠ und machen 10 Stiche: Nord-Süd +420",
      "Par: Nord-Syd spelar 4♠ och tar 10 stick: Nord-Syd +420"};
  for (int language = English; language < LanguageCount; ++language) {
    ChooseLanguage(*table_, language);
    table_->MenuItem("ReviewHand1")->trigger();
    auto* review = table_->findChild<ReviewForm*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
    EXPECT_EQ(review->findChild<QLabel*>("ParLabel")->text(), par[language]);
  }
}

}  // namespace
}  // namespace tavlo
