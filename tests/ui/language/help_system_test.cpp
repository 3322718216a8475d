#include "language/help_system.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include "language/help_viewer.h"
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
                      std::pair{Danish, "Danish.hlp"}, std::pair{Norwegian, "Danish.hlp"},
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

TEST_F(HelpSystemTest, NorwegianOpensTheDanishHelpInANorwegianViewer) {
  PutHelpFile("English.hlp");
  PutHelpFile("Danish.hlp");
  HelpSystem help(folder.path());

  help.ChooseHelpFile(Norwegian);
  ASSERT_TRUE(help.ShowContents());

  EXPECT_TRUE(notifier.messages.isEmpty());
  EXPECT_EQ(help.HelpFile(), folder.filePath("Danish.hlp"));
  EXPECT_TRUE(help.Viewer()->Text()->toPlainText().contains("Danish.hlp"));
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

TEST_F(HelpSystemTest, EnglishHelpOpensAtContentsAndItsLinksLeadBackThere) {
  ASSERT_TRUE(QFile::copy(HelpSource + "English.hlp", folder.filePath("English.hlp")));
  HelpSystem help(folder.path());
  ASSERT_TRUE(help.ShowContents());
  THelpViewer* viewer = help.Viewer();
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
                           "Swedish"})
    EXPECT_TRUE(help.contains(term)) << term;
}

}  // namespace
}  // namespace tavlo
