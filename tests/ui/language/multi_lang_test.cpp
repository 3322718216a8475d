#include "language/multi_lang.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "language/languages.h"
#include "language/translation_table.h"
#include "qt_application.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

// A control whose "text" is a number, so it cannot take a caption: the
// window must go on without it.
class NumberCaption : public QObject {
  Q_OBJECT
  Q_PROPERTY(int text READ text WRITE setText)
 public:
  using QObject::QObject;
  int text() const { return value_; }
  void setText(int value) { value_ = value; }

 private:
  int value_ = 7;
};

// The test window: one control of each kind, named as its table names them,
// with the English texts a window shows before its first switch.
struct TestWindow {
  TestWindow() {
    form.setObjectName("TestForm");
    form.setWindowTitle("Save this hand");
    auto* central = new QWidget(&form);
    auto* layout = new QVBoxLayout(central);
    form.setCentralWidget(central);

    prompt = Add<QLabel>(layout, "LabelPrompt", "Save an optional comment with this hand record");
    helpBid = Add<QPushButton>(layout, "ButHintBid", "H&elp");
    helpBid->setToolTip("The suggested bid gets highlighted");
    cardBack = Add<QComboBox>(layout, "CardBack");
    cardBack->addItems({"Red Checks", "Blue Checks", "Red Hatch"});
    seats = Add<QListWidget>(layout, "ListSeats");
    seats->addItems({"North", "East", "South", "West"});
    colours = Add<QGroupBox>(layout, "ScreenColorBox");
    colours->setTitle("Screen Colors");
    auto* colourLayout = new QVBoxLayout(colours);
    for (const char* text : {"Light", "Dark"}) {
      auto* button = new QRadioButton(text, colours);
      colourLayout->addWidget(button);
      colourButtons << button;
    }
    stopLight = Add<QFrame>(layout, "StopLight");
    stopLight->setMinimumSize(20, 60);
    passLabel = Add<QLabel>(layout, "LabelPass", "Pass");
    passLabel->hide();

    fileMenu = form.menuBar()->addMenu("&File");
    fileMenu->setObjectName("MenuFile");
    newHand = fileMenu->addAction("&New Hand");
    newHand->setObjectName("NewHand");

    seedDialog = new QDialog(&form);
    seedDialog->setObjectName("SeedDialog");
    seedDialog->setWindowTitle("Enter a New Random Seed");

    multiLang = new TMultiLang(&form);
    EXPECT_TRUE(
        LoadTranslationTable(*multiLang, TAVLO_SOURCE_DIR "/tests/ui/language/test_window.tsv"));
  }

  template <typename Control, typename... Text>
  Control* Add(QVBoxLayout* layout, const char* name, Text... text) {
    auto* control = new Control(text...);
    control->setObjectName(name);
    layout->addWidget(control);
    return control;
  }

  QMainWindow form;
  QLabel* prompt;
  QPushButton* helpBid;
  QComboBox* cardBack;
  QListWidget* seats;
  QGroupBox* colours;
  QList<QRadioButton*> colourButtons;
  QFrame* stopLight;
  QLabel* passLabel;
  QMenu* fileMenu;
  QAction* newHand;
  QDialog* seedDialog;
  TMultiLang* multiLang;
};

QStringList ListTexts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

struct LanguageTexts {
  int language;
  const char* caption;
  const char* button;
  const char* hint;
  const char* secondDesign;
  const char* east;
  const char* dark;
  const char* newHand;
  const char* stopHint;
  const char* seedCaption;
  const char* pass;
};

class SwitchTest : public ::testing::TestWithParam<LanguageTexts> {};

TEST_P(SwitchTest, EveryKindOfControlTakesItsTexts) {
  const LanguageTexts& expected = GetParam();
  TestWindow window;
  if (expected.language == English) window.multiLang->SetActiveLanguage(German);

  ASSERT_TRUE(window.multiLang->SetActiveLanguage(expected.language));

  EXPECT_EQ(window.multiLang->ActiveLanguage(), expected.language);
  EXPECT_EQ(window.form.windowTitle(), expected.caption);
  EXPECT_EQ(window.helpBid->text(), expected.button);
  EXPECT_EQ(window.helpBid->toolTip(), expected.hint);
  EXPECT_EQ(window.cardBack->itemText(1), expected.secondDesign);
  EXPECT_EQ(window.cardBack->count(), 3);
  EXPECT_EQ(window.seats->item(1)->text(), expected.east);
  EXPECT_EQ(window.seats->count(), 4);
  EXPECT_EQ(window.colourButtons[1]->text(), expected.dark);
  EXPECT_EQ(window.newHand->text(), expected.newHand);
  EXPECT_EQ(window.stopLight->toolTip(), expected.stopHint);
  EXPECT_EQ(window.seedDialog->windowTitle(), expected.seedCaption);
  EXPECT_EQ(window.passLabel->text(), expected.pass);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SwitchTest,
    ::testing::Values(
        LanguageTexts{English, "Save this hand", "H&elp", "The suggested bid gets highlighted",
                      "Blue Checks", "East", "Dark", "&New Hand",
                      "A stop bid which should be passed", "Enter a New Random Seed", "Pass"},
        LanguageTexts{Danish, "Gem dette spil", "H&jælp", "Det foreslåede bud fremhæves",
                      "Blå tern", "Øst", "Mørk", "&Nyt spil", "Et stopbud som skal passes",
                      "Indtast et nyt startnummer", "Pas"},
        LanguageTexts{Norwegian, "Lagre dette spillet", "H&jelp", "Det foreslåtte budet fremheves",
                      "Blå haker", "Øst", "Mørk", "&Nytt spill", "Et stoppbud som skal passes",
                      "Skriv inn et nytt startnummer", "Pass"},
        LanguageTexts{German, "Diese Hand speichern", "&Hilfe",
                      "Das vorgeschlagene Gebot wird markiert", "Blaue Quadrate", "Ost", "Dunkel",
                      "&Neue Hand", "Ein Stoppgebot", "Neue Startzahl eingeben", "Passe"},
        LanguageTexts{Swedish, "Spara denna giv", "&Hjälp", "Det föreslagna budet markeras",
                      "Blå smårutigt", "Öst", "Mörk", "&Ny giv", "Ett stoppbud som ska passas",
                      "Ange ett nytt startnummer", "Pass"}),
    [](const auto& info) { return std::to_string(info.param.language); });

TEST(MultiLangTest, RadioGroupMenuAndListTakeCaptionsAndEveryItem) {
  TestWindow window;
  window.multiLang->SetActiveLanguage(French);

  EXPECT_EQ(window.colours->title(), "Couleurs");
  EXPECT_EQ(window.colourButtons[0]->text(), "Clair");
  EXPECT_EQ(window.colours->toolTip(), "Choisir les couleurs");
  EXPECT_EQ(window.fileMenu->title(), "&Fichier");
  EXPECT_EQ(window.newHand->toolTip(), "Donne suivante");
  EXPECT_EQ(ListTexts(window.seats), QStringList({"Nord", "Est", "Sud", "Ouest"}));
}

TEST(MultiLangTest, EmptyFrenchCaptionBlanksItWhileEmptyHintKeepsTheHintBefore) {
  TestWindow window;
  window.multiLang->SetActiveLanguage(Danish);

  window.multiLang->SetActiveLanguage(French);

  EXPECT_EQ(window.form.windowTitle(), "");
  EXPECT_EQ(window.helpBid->text(), "&Aide");
  EXPECT_EQ(window.helpBid->toolTip(), "Det foreslåede bud fremhæves");
}

TEST(MultiLangTest, TranslatedComboBoxKeepsItsSelectedItem) {
  TestWindow window;
  window.cardBack->setCurrentIndex(2);

  window.multiLang->SetActiveLanguage(German);

  EXPECT_EQ(window.cardBack->currentIndex(), 2);
  EXPECT_EQ(window.cardBack->currentText(), "Rote Karos ");
}

TEST(MultiLangTest, ComboBoxWithTooFewItemsGetsTheRestWithoutLosingItsSelection) {
  TestWindow window;
  window.cardBack->clear();
  window.cardBack->addItem("Red Checks");

  window.multiLang->SetActiveLanguage(Swedish);

  EXPECT_EQ(window.cardBack->count(), 3);
  EXPECT_EQ(window.cardBack->currentIndex(), 0);
  EXPECT_EQ(window.cardBack->itemText(2), "Röd storrutigt");
}

class OutOfRangeTest : public ::testing::TestWithParam<int> {};

TEST_P(OutOfRangeTest, IsRefusedWithTheMessageAndChangesNothing) {
  TestWindow window;
  window.multiLang->SetActiveLanguage(Danish);
  RecordingNotifier notifier;
  int asked = 0;
  window.multiLang->BeforeLanguageChange = [&](int) { return ++asked, true; };

  EXPECT_FALSE(window.multiLang->SetActiveLanguage(GetParam()));

  EXPECT_EQ(notifier.messages,
            QStringList{"Value must not be higher than\nnumber of available languages."});
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(window.multiLang->ActiveLanguage(), Danish);
  EXPECT_EQ(window.form.windowTitle(), "Gem dette spil");
  EXPECT_EQ(window.helpBid->text(), "H&jælp");
}

INSTANTIATE_TEST_SUITE_P(Indices, OutOfRangeTest, ::testing::Values(6, 7, 255, -1),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(MultiLangTest, BeforeEventCanVetoAndAfterEventHearsTheNewIndex) {
  TestWindow window;
  QList<int> heard;
  window.multiLang->AfterLanguageChanged = [&](int language) { heard << language; };
  window.multiLang->BeforeLanguageChange = [](int language) { return language != French; };

  EXPECT_FALSE(window.multiLang->SetActiveLanguage(French));
  EXPECT_EQ(window.multiLang->ActiveLanguage(), English);
  EXPECT_EQ(window.form.windowTitle(), "Save this hand");
  EXPECT_TRUE(window.multiLang->SetActiveLanguage(Swedish));
  EXPECT_EQ(heard, QList<int>{Swedish});
}

TEST(MultiLangTest, KeyNamingNoComponentIsSkippedWithItsHintAndItems) {
  TestWindow window;
  window.prompt->setToolTip("kept");

  window.multiLang->SetActiveLanguage(Danish);

  // The table's first key and "OldPanel" name nothing on the window; their
  // hint and item groups must not land on the control before them.
  EXPECT_EQ(window.prompt->text(), "Gem en valgfri kommentar til spillet");
  EXPECT_EQ(window.prompt->toolTip(), "kept");
  EXPECT_EQ(window.helpBid->text(), "H&jælp");
}

TEST(MultiLangTest, ComponentsOnTheDoNotListKeepTheirTexts) {
  TestWindow window;
  window.multiLang->DoNot = QStringList{"buthintbid", "ListSeats"};

  window.multiLang->SetActiveLanguage(German);

  EXPECT_EQ(window.helpBid->text(), "H&elp");
  EXPECT_EQ(window.helpBid->toolTip(), "The suggested bid gets highlighted");
  EXPECT_EQ(window.seats->item(0)->text(), "North");
  EXPECT_EQ(window.cardBack->itemText(0), "Rote Quadrate");
}

TEST(MultiLangTest, DefaultLanguageFillsEmptyTextsWhenEnabled) {
  TestWindow window;
  window.multiLang->DefaultEnabled = true;
  window.multiLang->DefaultLanguage = German;

  window.multiLang->SetActiveLanguage(French);

  EXPECT_EQ(window.form.windowTitle(), "Diese Hand speichern");
  EXPECT_EQ(window.helpBid->toolTip(), "Das vorgeschlagene Gebot wird markiert");
}

TEST(MultiLangTest, GroupCutOffByTheEndOfTheTableEndsTheWalk) {
  TestWindow window;
  window.multiLang->Load(2, {"LabelPrompt", "Prompt", "Tekst", "ButHintBid", "Help", "Hjælp",
                             "\".Hint", "Hint", "Vink", "LabelPass", "Passe"});

  window.multiLang->SetActiveLanguage(0);

  EXPECT_EQ(window.prompt->text(), "Prompt");
  EXPECT_EQ(window.helpBid->toolTip(), "Hint");
  EXPECT_EQ(window.passLabel->text(), "Pass");
}

TEST(MultiLangTest, ListCutOffByTheEndOfTheTableKeepsTheItemsRead) {
  TestWindow window;
  window.multiLang->Load(2, {"ListSeats", "North", "Nord", "\"", "East", "Øst", "\"", "South"});

  window.multiLang->SetActiveLanguage(1);

  EXPECT_EQ(ListTexts(window.seats), QStringList({"Nord", "Øst", "South", "West"}));
}

TEST(MultiLangTest, AComponentThatCannotTakeATextKeepsItsOwnAndTheRestIsTranslated) {
  TestWindow window;
  auto* broken = new NumberCaption(&window.form);
  broken->setObjectName("Broken");
  window.multiLang->Load(
      2, {"Broken", "12", "13", "\".Hint", "Hint", "Vink", "LabelPrompt", "Prompt", "Tekst"});

  EXPECT_TRUE(window.multiLang->SetActiveLanguage(1));

  EXPECT_EQ(broken->text(), 7);
  EXPECT_EQ(window.prompt->text(), "Tekst");
  EXPECT_EQ(window.multiLang->ActiveLanguage(), 1);
}

TEST(MultiLangTest, ComponentNamesMatchInAnyCase) {
  TestWindow window;
  window.multiLang->Load(2, {"labelprompt", "Prompt", "Tekst"});

  window.multiLang->SetActiveLanguage(1);

  EXPECT_EQ(window.prompt->text(), "Tekst");
}

TEST(MultiLangTest, CharSetOfEachLanguageIsAppliedAndTheOldFontKept) {
  TestWindow window;
  const QString family = window.form.font().family();
  window.multiLang->CharSets = QStringList{"", "DejaVu Serif,1"};

  window.multiLang->SetActiveLanguage(Danish);
  EXPECT_EQ(window.form.font().family(), "DejaVu Serif");
  EXPECT_EQ(window.multiLang->CharSets[English], family + ",0");

  window.multiLang->SetActiveLanguage(English);
  EXPECT_EQ(window.form.font().family(), family);
  EXPECT_EQ(window.multiLang->CharSets[Danish], "DejaVu Serif,1");
}

TEST(MultiLangTest, PositionSwitchingBringsBackEachLanguagesGeometry) {
  QWidget form;
  auto* panel = new QWidget(&form);
  panel->setObjectName("Panel1");
  panel->setGeometry(12, 18, 293, 201);
  TMultiLang multiLang(&form);
  multiLang.Load(2, {});
  multiLang.SwitchPositions = spControlsOnly;
  multiLang.Positions = QStringList{"panel1,12.18.293.201,40.18.320.201"};

  multiLang.SetActiveLanguage(1);
  EXPECT_EQ(panel->geometry(), QRect(40, 18, 320, 201));
  panel->setGeometry(44, 20, 330, 210);
  multiLang.SetActiveLanguage(0);
  EXPECT_EQ(panel->geometry(), QRect(12, 18, 293, 201));
  multiLang.SetActiveLanguage(1);
  EXPECT_EQ(panel->geometry(), QRect(44, 20, 330, 210));
}

TEST(MultiLangTest, GeometryIsRecordedForControlsWithoutALineAndFilledUp) {
  QWidget form;
  form.setGeometry(100, 100, 400, 300);
  auto* button = new QWidget(&form);
  button->setObjectName("OKBtn");
  button->setGeometry(5, 6, 70, 25);
  auto* frame = new QWidget(&form);
  frame->setObjectName("Frame");
  frame->setGeometry(1, 2, 3, 4);
  TMultiLang multiLang(&form);
  multiLang.Load(3, {});
  multiLang.SwitchPositions = spAll;
  multiLang.Positions = QStringList{"frame,1.2.3.4", "%Form%,...,...,90.90.500.300"};

  multiLang.SetActiveLanguage(2);

  EXPECT_EQ(form.geometry(), QRect(90, 90, 500, 300));
  EXPECT_TRUE(multiLang.Positions.contains("okbtn,5.6.70.25,5.6.70.25,5.6.70.25"));
  EXPECT_TRUE(multiLang.Positions.contains("frame,1.2.3.4,...,..."));
  EXPECT_EQ(frame->geometry(), QRect(1, 2, 3, 4));
}

TEST(MultiLangTest, PositionsAreLeftAloneWhenSwitchingIsOff) {
  QWidget form;
  auto* panel = new QWidget(&form);
  panel->setObjectName("Panel1");
  panel->setGeometry(1, 1, 10, 10);
  TMultiLang multiLang(&form);
  multiLang.Positions = QStringList{"panel1,1.1.10.10,50.50.10.10"};

  multiLang.SetActiveLanguage(1);

  EXPECT_EQ(panel->geometry(), QRect(1, 1, 10, 10));
  EXPECT_EQ(multiLang.Positions, QStringList{"panel1,1.1.10.10,50.50.10.10"});
}

// Changing the number of languages, as the table's designer does.
struct LanguagesChange {
  int active;
  int languages;
  bool agree;
  const char* question;  // nullptr when none is asked
  int languagesAfter;
  QStringList wordsAfter;
  int activeAfter;
};

class ChangeLanguagesTest : public ::testing::TestWithParam<LanguagesChange> {};

TEST_P(ChangeLanguagesTest, TrimsOrFillsEveryGroup) {
  const LanguagesChange& change = GetParam();
  QWidget form;
  auto* label = new QLabel(&form);
  label->setObjectName("Label1");
  TMultiLang multiLang(&form);
  multiLang.Load(3, {"Label1", "One", "En", "Un", "Label2", "Two", "To", "Deux"});
  multiLang.SetActiveLanguage(change.active);
  RecordingNotifier notifier;
  QStringList asked;

  multiLang.ChangeLanguages(change.languages, [&](const QString& question) {
    asked << question;
    return change.agree;
  });

  EXPECT_EQ(asked, change.question ? QStringList{change.question} : QStringList{});
  EXPECT_EQ(multiLang.Languages(), change.languagesAfter);
  EXPECT_EQ(multiLang.Words, change.wordsAfter);
  EXPECT_EQ(multiLang.ActiveLanguage(), change.activeAfter);
  EXPECT_EQ(label->text(), change.activeAfter == 0 ? "One" : "Un");
}

const QStringList ThreeLanguages{"Label1", "One", "En", "Un", "Label2", "Two", "To", "Deux"};

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangeLanguagesTest,
    ::testing::Values(
        LanguagesChange{2, 1, false, DropActiveLanguageQuestion, 3, ThreeLanguages, 2},
        LanguagesChange{2, 2, true, DropActiveLanguageQuestion, 2,
                        QStringList{"Label1", "One", "En", "Label2", "Two", "To"}, 0},
        LanguagesChange{0, 2, true, DropLanguageQuestion, 2,
                        QStringList{"Label1", "One", "En", "Label2", "Two", "To"}, 0},
        LanguagesChange{0, 2, false, DropLanguageQuestion, 3, ThreeLanguages, 0},
        LanguagesChange{
            2, 4, false, nullptr, 4,
            QStringList{"Label1", "One", "En", "Un", "?", "Label2", "Two", "To", "Deux", "?"}, 2}));

TEST(MultiLangTest, NoLanguagesAtAllIsRefusedWithTheMessage) {
  QWidget form;
  TMultiLang multiLang(&form);
  RecordingNotifier notifier;

  EXPECT_FALSE(multiLang.ChangeLanguages(0, [](const QString&) { return true; }));

  EXPECT_EQ(notifier.messages, QStringList{"You have to provide at least 1 language."});
  EXPECT_EQ(multiLang.Languages(), 2);
}

TEST(MultiLangTest, LanguagesShownAndVetoedToLeaveAreNotDropped) {
  TestWindow window;
  window.multiLang->SetActiveLanguage(Swedish);
  window.multiLang->BeforeLanguageChange = [](int) { return false; };

  EXPECT_FALSE(window.multiLang->ChangeLanguages(2, [](const QString&) { return true; }));

  EXPECT_EQ(window.multiLang->Languages(), LanguageCount);
  EXPECT_EQ(window.multiLang->ActiveLanguage(), Swedish);
  window.multiLang->BeforeLanguageChange = nullptr;
  EXPECT_TRUE(window.multiLang->SetActiveLanguage(German));
  EXPECT_EQ(window.form.windowTitle(), "Diese Hand speichern");
}

TEST(MultiLangTest, RaisedLanguagesShowTheQuestionMarkUntilTranslated) {
  TestWindow window;
  window.multiLang->ChangeLanguages(7, [](const QString&) { return false; });

  ASSERT_TRUE(window.multiLang->SetActiveLanguage(6));

  EXPECT_EQ(window.form.windowTitle(), "?");
  EXPECT_EQ(window.cardBack->itemText(2), "?");
  EXPECT_EQ(window.helpBid->toolTip(), "?");
}

}  // namespace
}  // namespace tavlo

#include "multi_lang_test.moc"
