#include "language/help_system.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "language/help_viewer.h"
#include "language/translation_table.h"
#include "qt_application.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

const QString HelpSource = TAVLO_SOURCE_DIR "/resources/help/";

class HelpFileNameTest : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(HelpFileNameTest, EachLanguageReadsItsHelpFile) {
  EXPECT_EQ(HelpFileName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpFileNameTest,
    ::testing::Values(std::pair{-1, "English.hlp"}, std::pair{English, "English.hlp"},
                      std::pair{Danish, "Danish.hlp"}, std::pair{Norwegian, "Norwegian.hlp"},
                      std::pair{French, "French.hlp"}, std::pair{German, "German.hlp"},
                      std::pair{Swedish, "Swedish.hlp"}, std::pair{6, "English.hlp"}),
    [](const auto& info) { return std::to_string(info.index); });

// A program folder holding the named help files, each a page with a
// "Contents" topic that names its file.
class HelpSystemTest : public ::testing::Test {
 protected:
  void PutHelpFile(const QString& name) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        ("<html><body><p>Intro</p><a name=\"Contents\"></a><h1>" + name + "</h1></body></html>")
            .toUtf8());
  }

  QTemporaryDir folder;
  RecordingNotifier notifier;
};

TEST_F(HelpSystemTest, MissingHelpFileGivesTheWarning) {
  HelpSystem help(folder.path());

  EXPECT_FALSE(help.ShowContents());

  EXPECT_EQ(notifier.messages, QStringList{"The Tavlo .HLP system is not availalbe."});
  EXPECT_EQ(help.Viewer(), nullptr);
}

TEST_F(HelpSystemTest, NorwegianOpensItsOwnHelpInANorwegianViewer) {
  PutHelpFile("English.hlp");
  PutHelpFile("Danish.hlp");
  PutHelpFile("Norwegian.hlp");
  HelpSystem help(folder.path());

  help.ChooseHelpFile(Norwegian);
  ASSERT_TRUE(help.ShowContents());

  EXPECT_TRUE(notifier.messages.isEmpty());
  EXPECT_EQ(help.HelpFile(), folder.filePath("Norwegian.hlp"));
  EXPECT_TRUE(help.Viewer()->Text()->toPlainText().contains("Norwegian.hlp"));
  EXPECT_EQ(help.Viewer()->Text()->source().fragment(), "Contents");
  EXPECT_EQ(help.Viewer()->windowTitle(), "Tavlo Hjelp");
  EXPECT_TRUE(help.Viewer()->isVisible());
}

TEST_F(HelpSystemTest, LanguageWithoutItsHelpFileWarnsEvenWhenEnglishIsThere) {
  PutHelpFile("English.hlp");
  HelpSystem help(folder.path());

  help.ChooseHelpFile(German);

  EXPECT_FALSE(help.ShowContents());
  EXPECT_EQ(notifier.messages, QStringList{"The Tavlo .HLP system is not availalbe."});
}

TEST_F(HelpSystemTest, SwitchingLanguageOpensTheOtherFileFromItsContents) {
  PutHelpFile("English.hlp");
  PutHelpFile("French.hlp");
  HelpSystem help(folder.path());
  ASSERT_TRUE(help.ShowContents());

  help.ChooseHelpFile(French);
  ASSERT_TRUE(help.ShowContents());

  EXPECT_TRUE(help.Viewer()->Text()->toPlainText().contains("French.hlp"));
  EXPECT_EQ(help.Viewer()->windowTitle(), "Aide de Tavlo");
  EXPECT_FALSE(help.Viewer()->Text()->isBackwardAvailable());
}

TEST_F(HelpSystemTest, IndexBeyondTheLanguagesReadsEnglishWithoutComplaint) {
  PutHelpFile("English.hlp");
  HelpSystem help(folder.path());

  help.ChooseHelpFile(9);

  ASSERT_TRUE(help.ShowContents());
  EXPECT_TRUE(notifier.messages.isEmpty());
  EXPECT_EQ(help.Viewer()->windowTitle(), "Tavlo Help");
}

TEST_F(HelpSystemTest, QuitClosesTheViewer) {
  PutHelpFile("English.hlp");
  HelpSystem help(folder.path());
  ASSERT_TRUE(help.ShowContents());

  help.Quit();

  EXPECT_EQ(help.Viewer(), nullptr);
}

TEST_F(HelpSystemTest, EscapeClosesTheViewer) {
  PutHelpFile("English.hlp");
  HelpSystem help(folder.path());
  ASSERT_TRUE(help.ShowContents());
  QTest::keyClick(help.Viewer()->Text(), Qt::Key_Escape);
  EXPECT_FALSE(help.Viewer()->isVisible());
}

TEST_F(HelpSystemTest, EnglishHelpOpensAtContentsAndItsLinksLeadBackThere) {
  ASSERT_TRUE(QFile::copy(HelpSource + "English.hlp", folder.filePath("English.hlp")));
  HelpSystem help(folder.path());
  ASSERT_TRUE(help.ShowContents());
  HelpViewer* viewer = help.Viewer();
  QTextBrowser* text = viewer->Text();
  auto* back = viewer->findChild<QPushButton*>("ButBack");
  auto* contents = viewer->findChild<QPushButton*>("ButContents");

  EXPECT_EQ(text->source().fragment(), "Contents");
  EXPECT_TRUE(text->toPlainText().contains("Bidding with the keyboard"));
  EXPECT_FALSE(back->isEnabled());
  // The picture a learner sees first, kept for a look after the run.
  viewer->grab().save(QDir::temp().filePath("tavlo_english_help.png"));

  QUrl link = text->source();
  link.setFragment("TakeBack");
  text->setSource(link);
  EXPECT_TRUE(back->isEnabled());
  contents->click();
  EXPECT_EQ(text->source().fragment(), "Contents");
}

// Every help file shipped: its table of contents is there and no link leads
// nowhere.
TEST(HelpFilesTest, EveryLinkOfEveryHelpFileFindsItsTopic) {
  QDirIterator files(HelpSource, {"*.hlp"});
  int checked = 0;
  while (files.hasNext()) {
    QFile file(files.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> anchors;
    for (const auto& match : QRegularExpression(R"(<a name="([^"]+)\")").globalMatch(html))
      anchors << match.captured(1);
    EXPECT_TRUE(anchors.contains("Contents")) << file.fileName().toStdString();
    for (const auto& match : QRegularExpression(R"(href="#([^"]+)\")").globalMatch(html))
      EXPECT_TRUE(anchors.contains(match.captured(1)))
          << file.fileName().toStdString() << ": #" << match.captured(1).toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 1);
}

// The English help names every key and command the table offers, so a
// learner finds each of them.
TEST(HelpFilesTest, EnglishHelpDescribesEveryKeyAndCommand) {
  QFile file(HelpSource + "English.hlp");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QTextDocument document;
  document.setHtml(QString::fromUtf8(file.readAll()));
  const QString help = document.toPlainText();

  for (const char* term : {"F2",
                           "F3",
                           "F4",
                           "F5",
                           "F6",
                           "F7",
                           "F8",
                           "F9",
                           "F10",
                           "F11",
                           "Backspace",
                           "Enter",
                           "Preferences",
                           "New Hand",
                           "Save Hand",
                           "Play a Saved Hand",
                           "Delete a Saved Hand",
                           "Print Hand",
                           "Exit",
                           "Replay Hand",
                           "Rebid Hand",
                           "Show all 4 hands",
                           "Hide N, E, and W hands",
                           "Review Bidding",
                           "Danish Basic",
                           "Forum D",
                           "French S.I.F.",
                           "Swedish MS",
                           "About Tavlo",
                           "Start Play",
                           "Rebid",
                           "Play a New Hand",
                           "Replay This Hand",
                           "Make Bid",
                           "Help",
                           "Hint",
                           "Play Hint",
                           "Finish Play",
                           "Take Back",
                           "Clear Table",
                           "X Dbl",
                           "XX ReDbl",
                           "Pass",
                           "stop light",
                           "alert",
                           "Player's Name",
                           "Thinking Time",
                           "Screen Colors",
                           "Card Face",
                           "Card Back",
                           "Color",
                           "Norwegian",
                           "Swedish",
                           "Ctrl+R",
                           "Review Hand",
                           "Export as PDF",
                           "Import PBN",
                           "Export PBN",
                           "tavlo --import-pbn FILE",
                           "tavlo --export-pbn FILE",
                           "Saved Hands.INI",
                           "Options.DAT",
                           "~/.local/share",
                           "F1",
                           "Lessons…",
                           "Ctrl+O",
                           "Claim...",
                           "Ctrl+L",
                           "Four-colour deck"})
    EXPECT_TRUE(help.contains(term)) << term;
}

// The named anchors and the links of a help page as the viewer laid it out:
// each anchor at its position, each link at the position of its first
// character.
struct HelpPageLinks {
  QMap<int, QString> anchors;
  QList<std::pair<int, QString>> links;
};

HelpPageLinks LinksOfPage(const QTextDocument& page) {
  HelpPageLinks found;
  int linkEnd = -1;
  for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
    // An anchor standing before a heading names the heading's block.
    for (const QString& name : block.charFormat().anchorNames())
      found.anchors.insert(block.position(), name);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      for (const QString& name : format.anchorNames())
        found.anchors.insert(fragment.position(), name);
      const QString href = format.anchorHref();
      if (href.isEmpty()) continue;
      // A link drawn in several styles (a suit sign, bold words) is one link.
      if (found.links.isEmpty() || found.links.last().second != href ||
          fragment.position() != linkEnd)
        found.links.append({fragment.position(), href});
      linkEnd = fragment.position() + fragment.length();
    }
  }
  return found;
}

// Each help file a learner can open, by the language that opens it.
class HelpFileWalkTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    QDirIterator files(HelpSource, {"*.hlp"});
    while (files.hasNext()) {
      const QString path = files.next();
      ASSERT_TRUE(QFile::copy(path, folder.filePath(QFileInfo(path).fileName())));
    }
  }

  QTemporaryDir folder;
  RecordingNotifier notifier;
};

// The learner opens the help at its contents and clicks every link of every
// topic: each opens a topic of the file with that topic in sight, and every
// topic can be reached from the contents.
TEST_P(HelpFileWalkTest, ContentsLeadsToEveryTopicAndEveryLinkOpensItsTopic) {
  HelpSystem help(folder.path());
  help.ChooseHelpFile(GetParam());
  ASSERT_TRUE(help.ShowContents());
  QTextBrowser* text = help.Viewer()->Text();
  const QTextDocument& page = *text->document();
  const HelpPageLinks found = LinksOfPage(page);
  const std::string file = HelpFileName(GetParam()).toStdString();
  ASSERT_TRUE(found.anchors.values().contains("Contents")) << file;
  ASSERT_FALSE(found.links.isEmpty()) << file;

  QMap<QString, QSet<QString>> linksOfTopic;
  for (const auto& [position, href] : found.links) {
    ASSERT_TRUE(href.startsWith('#')) << file << ": " << href.toStdString();
    const QString topic = std::prev(found.anchors.upperBound(position)).value();
    const QString target = href.mid(1);
    linksOfTopic[topic] << target;

    QTextCursor cursor(text->document());
    cursor.setPosition(position + 1);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
    const QPoint firstLetter = text->cursorRect(cursor).center() - QPoint(2, 0);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, firstLetter);

    ASSERT_EQ(text->source().fragment(), target)
        << file << ": the link to " << href.toStdString() << " in topic " << topic.toStdString();
    const int anchorAt = found.anchors.key(target, -1);
    ASSERT_GE(anchorAt, 0) << file << ": no topic " << target.toStdString();
    QTextCursor anchor(text->document());
    anchor.setPosition(anchorAt);
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect(anchor).center()))
        << file << ": topic " << target.toStdString() << " is not in sight";
  }

  QSet<QString> reached{"Contents"};
  QStringList toVisit{"Contents"};
  while (!toVisit.isEmpty()) {
    for (const QString& target : linksOfTopic.value(toVisit.takeFirst())) {
      if (!reached.contains(target)) toVisit << target;
      reached << target;
    }
  }
  for (const QString& topic : found.anchors.values())
    EXPECT_TRUE(reached.contains(topic))
        << file << ": topic " << topic.toStdString() << " cannot be reached from the contents";
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpFileWalkTest,
                         ::testing::Values(English, Danish, Norwegian, French, German, Swedish),
                         [](const auto& info) { return std::to_string(info.param); });

QString PlainTextOfHelp(const QString& name) {
  QFile file(HelpSource + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  QTextDocument document;
  document.setHtml(QString::fromUtf8(file.readAll()));
  return document.toPlainText().simplified();
}

QStringList MatchesOf(const QString& pattern, const QString& name) {
  QFile file(HelpSource + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  QStringList matches;
  for (const auto& match :
       QRegularExpression(pattern).globalMatch(QString::fromUtf8(file.readAll())))
    matches << match.captured(1);
  return matches;
}

// A learner reading the help in their language finds the same topics as in
// English, linked the same way, and the commands under the very words the
// windows show in that language.
TEST(HelpFilesTest, EachLanguagesHelpFollowsTheEnglishAndNamesTheWindowsWords) {
  const QStringList englishTopics = MatchesOf(R"(<a name="([^"]+)\")", "English.hlp");
  const QStringList englishLinks = MatchesOf(R"(href="#([^"]+)\")", "English.hlp");
  const std::optional<QStringList> table =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/table.tsv");
  const std::optional<QStringList> preferences =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/setup_options.tsv");
  const std::optional<QStringList> review =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/review_form.tsv");
  const std::optional<QStringList> claim =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/claim.tsv");
  const std::optional<QStringList> lessons =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/lessons_window.tsv");
  ASSERT_TRUE(table && preferences && review && claim && lessons);
  // The caption of key in language, as the learner reads it (no accelerator).
  auto caption = [](const QStringList& words, const QString& key, int language) {
    for (qsizetype at = 0; at + LanguageCount < words.size(); at += LanguageCount + 1)
      if (words[at] == key) return QString(words[at + 1 + language]).remove('&').trimmed();
    ADD_FAILURE() << "no " << key.toStdString();
    return QString();
  };
  const QList<std::pair<const QStringList*, QStringList>> commands{
      {&*table, {"File1",           "SetupOptions1",     "NewHand1",       "SaveHandMenu",
                 "PlayaSavedHand1", "DeleteaSavedHand1", "PrintHand1",     "ExportPdf1",
                 "Exit1",           "PlayOptions1",      "ReplayHand1",    "RebidHand1",
                 "ReviewHand1",     "ShowHands",         "HideHands",      "ReviewBidding",
                 "BiddingSystem1",  "Language1",         "Contents1",      "AboutTavlo1",
                 "EOBStart",        "EOBRebid",          "EOBNewHand",     "EOBTakeBack",
                 "EOSNewHand",      "ButSavedHand",      "ButReplayHand",  "ButReviewHand",
                 "ButHint",         "ButPlayHint",       "TPPFast",        "TPPBackup",
                 "ButClearTable",   "PassBut",           "XButDbl",        "XButRedbl",
                 "ButMakeBid",      "ButHintBid",        "LabelYourScore", "Lessons1",
                 "ZoomIn1",         "ZoomOut1",          "FitToWindow1",   "FourColourDeck1"}},
      {&*preferences,
       {"PlayerNameBox", "ThinkingTimeBox", "ScreenColorBox", "CardFaceBox", "CardBackBox",
        "Label3", "NewColorButton"}},
      {&*review, {"PrevTrick", "NextTrick"}},
      {&*claim, {"TPPClaim", "ClaimTricks1", "ClaimAll", "ClaimSome"}},
      {&*lessons,
       {"PlayButton", "ContinueButton", "LabelClean", "LabelHelped", "LabelMade", "LabelDown"}}};

  // Norwegian has a help of its own, naming the Norwegian screens' words.
  for (const auto& [language, name] :
       {std::pair{English, QString("English.hlp")}, std::pair{Danish, QString("Danish.hlp")},
        std::pair{Norwegian, QString("Norwegian.hlp")}, std::pair{French, QString("French.hlp")},
        std::pair{German, QString("German.hlp")}, std::pair{Swedish, QString("Swedish.hlp")}}) {
    EXPECT_EQ(MatchesOf(R"(<a name="([^"]+)\")", name), englishTopics) << name.toStdString();
    EXPECT_EQ(MatchesOf(R"(href="#([^"]+)\")", name), englishLinks) << name.toStdString();
    const QString help = PlainTextOfHelp(name);
    for (const auto& [words, keys] : commands)
      for (const QString& key : keys)
        EXPECT_TRUE(help.contains(caption(*words, key, language)))
            << name.toStdString() << " does not name " << key.toStdString() << " \""
            << caption(*words, key, language).toStdString() << "\"";
  }
}

}  // namespace
}  // namespace tavlo
