// The preferences as a user works them: every change is in force at once,
// and however the dialog closes the options file holds what was set.

#include "dialogs/setup_options.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <functional>
#include <memory>

#include "../cards/card_sheet_fixture.h"
#include "cards/my_card.h"
#include "common/colour.h"
#include "language/languages.h"
#include "options/options_file.h"
#include "recording_notifier.h"
#include "setup_options_driver.h"
#include "translation_table_keys.h"

namespace tavlo {
namespace {

constexpr char TypeAName[] = "Type a name first";
constexpr int Beach = 11, SailBoat = 12, TrafficLight = 13;

class SetupOptionsTest : public CardSheetTest {
 protected:
  void SetUp() override {
    CardSheetTest::SetUp();
    ApplyDefaults(options_);
    options_.PlayerName = "Karen";
    for (int suit = Clubs; suit <= Spades; ++suit) {
      auto* card = new TMyCard(&table_);
      card->SetShowFront(true);
      card->SetSuit(suit);
      card->SetRank(Queen);
      card->SetUpPic();
      tableCards_ << card;
    }
  }

  QString OptionsPath() const { return QDir(folder.path()).filePath(OptionsFileName); }
  void Open(QString optionsFile = {}) {
    dialog_ = std::make_unique<TSetupOptions>(
        options_, optionsFile.isEmpty() ? OptionsPath() : optionsFile, TypeAName, tableCards_);
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  }
  template <typename T = QWidget>
  T* Child(const char* name) const {
    T* child = dialog_->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(const char* button) { PressButton(*dialog_, button); }
  bool Enabled(const char* button) const { return Child<QPushButton>(button)->isEnabled(); }
  static QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
  }
  OptionsRecord OnDisk() const {
    OptionsRecord saved;
    const Status loaded = LoadOptions(saved, OptionsPath().toStdString());
    EXPECT_TRUE(loaded) << loaded.Error();
    return saved;
  }

  OptionsRecord options_;
  QWidget table_;
  QList<TMyCard*> tableCards_;
  RecordingNotifier notifier_;
  std::unique_ptr<TSetupOptions> dialog_;
};

struct ThinkingCase {
  int option;
  int shown;
};

class ThinkingTimeShown : public SetupOptionsTest,
                          public ::testing::WithParamInterface<ThinkingCase> {};

TEST_P(ThinkingTimeShown, OnTheSlideTheBarAndTheNumber) {
  options_.SkillLevel = static_cast<std::uint8_t>(GetParam().option);
  Open();
  EXPECT_EQ(Child<QSlider>("SkillSlide")->value(), GetParam().shown);
  EXPECT_EQ(Child<QProgressBar>("SkillBar")->value(), GetParam().shown);
  EXPECT_EQ(Child<QLabel>("SkillLevel")->text(), QString::number(GetParam().shown));
}

// A thinking time never set shows the middle of the scale.
INSTANTIATE_TEST_SUITE_P(Levels, ThinkingTimeShown,
                         ::testing::Values(ThinkingCase{0, 5}, ThinkingCase{1, 1},
                                           ThinkingCase{4, 4}, ThinkingCase{10, 10}));

struct HueCase {
  bool darkScheme;
  bool darkFaces;
};

class HueButtonsTest : public SetupOptionsTest, public ::testing::WithParamInterface<HueCase> {};

TEST_P(HueButtonsTest, OnlyTheButtonsThatChangeSomethingAreEnabled) {
  if (GetParam().darkScheme) options_.ColourScheme = DarkColourScheme;
  ASSERT_TRUE(SetDarkFaces(GetParam().darkFaces));
  Open();
  EXPECT_EQ(Enabled("StdColorButton"), GetParam().darkScheme);
  EXPECT_EQ(Enabled("DarkButton"), !GetParam().darkScheme);
  EXPECT_EQ(Enabled("LightCard"), GetParam().darkFaces);
  EXPECT_EQ(Enabled("DarkCard"), !GetParam().darkFaces);
}

INSTANTIATE_TEST_SUITE_P(Sets, HueButtonsTest,
                         ::testing::Values(HueCase{false, false}, HueCase{false, true},
                                           HueCase{true, false}, HueCase{true, true}));

TEST_F(SetupOptionsTest, TheScreenColoursChangeAtOnce) {
  Open();
  EXPECT_EQ(Background(dialog_.get()), ToQColor(LightColourScheme[0]));
  Click("DarkButton");
  EXPECT_EQ(options_.ColourScheme, DarkColourScheme);
  EXPECT_EQ(Background(dialog_.get()), ToQColor(DarkColourScheme[0]));
  EXPECT_EQ(Background(Child("CardBackBox")), ToQColor(DarkColourScheme[1]));
  EXPECT_TRUE(Enabled("StdColorButton"));
  EXPECT_FALSE(Enabled("DarkButton"));

  Click("StdColorButton");
  EXPECT_EQ(options_.ColourScheme, LightColourScheme);
  EXPECT_EQ(Background(Child("CardBackBox")), ToQColor(LightColourScheme[1]));
  EXPECT_FALSE(Enabled("StdColorButton"));
  EXPECT_TRUE(Enabled("DarkButton"));
}

TEST_F(SetupOptionsTest, OnlyTheDesignsWithAPlainBackgroundTakeAColour) {
  options_.CardBackDesign = 0;
  Open();
  EXPECT_FALSE(Enabled("NewColorButton"));
  for (const auto& [design, recolourable] : {std::pair{SailBoat, true}, std::pair{Beach, false},
                                             std::pair{TrafficLight, true}, std::pair{0, false}}) {
    ChooseDesign(*dialog_, design);
    EXPECT_EQ(Enabled("NewColorButton"), recolourable) << design;
    EXPECT_EQ(Child<TMyCard>("MyCardBack")->BackDesign(), design);
    // Inside its corners, which take the colour of the box.
    EXPECT_EQ(Child<TMyCard>("MyCardBack")->Picture().copy(2, 2, 67, 91),
              BackPicture(design).copy(2, 2, 67, 91));
  }
}

struct CloseCase {
  const char* way;
  std::function<void(TSetupOptions&)> close;
  QDialog::DialogCode result;
};

class ClosingTest : public SetupOptionsTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, KeepsTheThinkingTimeTheDesignAndTheNameAndSavesThem) {
  options_.SkillLevel = 4;
  options_.CardBackDesign = TrafficLight;
  Open();
  auto* slide = Child<QSlider>("SkillSlide");
  for (int i = 0; i < 3; ++i) QTest::keyClick(slide, Qt::Key_Right);
  EXPECT_EQ(Child<QLabel>("SkillLevel")->text(), "7");
  ChooseDesign(*dialog_, SailBoat);
  QTest::keyClicks(Child<QLineEdit>("NewPlayer"), " Berg");

  GetParam().close(*dialog_);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), GetParam().result);
  for (const OptionsRecord& options : {options_, OnDisk()}) {
    EXPECT_EQ(options.SkillLevel, 7);
    EXPECT_EQ(options.CardBackDesign, SailBoat);
    EXPECT_EQ(options.PlayerName, "Karen Berg");
    EXPECT_EQ(options.CardBackColour, DefaultCardBackColour);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    ::testing::Values(
        CloseCase{"OK",
                  [](TSetupOptions& d) {
                    QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
                  },
                  QDialog::Accepted},
        CloseCase{"Cancel",
                  [](TSetupOptions& d) {
                    QTest::mouseClick(d.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
                  },
                  QDialog::Rejected},
        CloseCase{"Escape", [](TSetupOptions& d) { QTest::keyClick(&d, Qt::Key_Escape); },
                  QDialog::Rejected},
        CloseCase{"CloseBox", [](TSetupOptions& d) { d.close(); }, QDialog::Rejected}),
    [](const auto& info) { return std::string(info.param.way); });

TEST_F(SetupOptionsTest, ANameOfThirtyCharactersIsKeptAsItsFirstTwentySix) {
  options_.PlayerName.clear();
  Open();
  QTest::keyClicks(Child<QLineEdit>("NewPlayer"), "Abcdefghijklmnopqrstuvwxyz1234");
  EXPECT_EQ(options_.PlayerName, "Abcdefghijklmnopqrstuvwxyz");
  Click("OKBtn");
  EXPECT_EQ(OnDisk().PlayerName, "Abcdefghijklmnopqrstuvwxyz");
}

TEST_F(SetupOptionsTest, AnEmptyNameIsRefusedByOKButCancelSavesIt) {
  Open();
  Child<QLineEdit>("NewPlayer")->clear();
  EXPECT_TRUE(options_.PlayerName.empty());
  Click("OKBtn");
  Click("OKBtn");
  EXPECT_EQ(notifier_.messages, QStringList(2, TypeAName));
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_FALSE(QFile::exists(OptionsPath()));

  Click("CancelBtn");
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_TRUE(OnDisk().PlayerName.empty());
  EXPECT_EQ(OnDisk().OptionsMagic, OptionsCheckValue);
}

TEST_F(SetupOptionsTest, TheFaceButtonsRewriteTheSheetAndEveryCardTakesTheNewFaces) {
  Open();
  const QImage lightQueen = tableCards_[Hearts]->Picture();
  const QImage lightJack = Child<TMyCard>("MyCardFront")->Picture();
  Click("DarkCard");
  EXPECT_EQ(FaceSet(), DarkFaces);
  EXPECT_EQ(options_.DarkCards, 1);
  EXPECT_TRUE(Enabled("LightCard"));
  EXPECT_FALSE(Enabled("DarkCard"));
  // The sheet on disk carries the switch to the next start.
  EXPECT_EQ(SheetOnDisk().pixel(4, Diamonds * CardHeight + 9), DarkRed);
  for (TMyCard* card : tableCards_) {
    EXPECT_EQ(card->Picture(), FacePicture(card->Suit(), Queen)) << card->Suit();
  }
  EXPECT_NE(tableCards_[Hearts]->Picture(), lightQueen);
  const auto* front = Child<TMyCard>("MyCardFront");
  EXPECT_EQ(front->Suit(), Hearts);
  EXPECT_EQ(front->Rank(), Jack);
  EXPECT_NE(front->Picture(), lightJack);

  Click("LightCard");
  EXPECT_EQ(options_.DarkCards, 0);
  EXPECT_EQ(SheetOnDisk().pixel(4, Diamonds * CardHeight + 9), LightRed);
  EXPECT_EQ(tableCards_[Hearts]->Picture(), lightQueen);
  EXPECT_EQ(front->Picture(), lightJack);
  Click("OKBtn");
  EXPECT_EQ(OnDisk().DarkCards, 0);
}

TEST_F(SetupOptionsTest, TheColourDialogRecoloursTheBackOfTheDesign) {
  options_.CardBackDesign = SailBoat;
  Open();
  const auto* back = Child<TMyCard>("MyCardBack");
  const QImage before = back->Picture();
  const QColor sea(20, 90, 200);
  ChooseBackColour(*dialog_, sea, false);
  EXPECT_EQ(back->Picture(), before) << "the colour dialog cancelled changes nothing";
  EXPECT_EQ(back->BackColor(), DefaultCardBackColour);
  ChooseBackColour(*dialog_, sea);
  EXPECT_EQ(back->BackColor(), FromQColor(sea));
  EXPECT_EQ(BackPicture(SailBoat).pixel(10, 10), sea.rgb());
  EXPECT_EQ(back->Picture().pixel(10, 10), sea.rgb());
  Click("CancelBtn");
  EXPECT_EQ(options_.CardBackColour, FromQColor(sea));
  EXPECT_EQ(OnDisk().CardBackColour, FromQColor(sea));
}

TEST_F(SetupOptionsTest, TheTablesOwnDesignIsKeptThoughTheListDoesNotOfferIt) {
  options_.CardBackDesign = 14;
  Open();
  EXPECT_EQ(Child<QComboBox>("CardBack")->currentIndex(), -1);
  EXPECT_EQ(Child<TMyCard>("MyCardBack")->BackDesign(), 14);
  Click("OKBtn");
  EXPECT_EQ(options_.CardBackDesign, 14);
  EXPECT_EQ(OnDisk().CardBackDesign, 14);
}

TEST_F(SetupOptionsTest, AFileThatCannotBeWrittenIsReported) {
  Open(QDir(folder.path()).filePath("gone/Options.DAT"));
  Click("CancelBtn");
  ASSERT_EQ(notifier_.messages.size(), 1);
  EXPECT_TRUE(notifier_.messages[0].startsWith("The preferences could not be saved"));
}

struct LanguageCase {
  int language;
  const char* caption;
  const char* thirdDesign;
  const char* cancel;
};

class SetupOptionsLanguage : public SetupOptionsTest,
                             public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(SetupOptionsLanguage, SpeaksTheLanguageOfTheOptions) {
  options_.Language = static_cast<std::uint8_t>(GetParam().language);
  Open();
  EXPECT_EQ(dialog_->windowTitle(), GetParam().caption);
  auto* designs = Child<QComboBox>("CardBack");
  EXPECT_EQ(designs->count(), 14);
  EXPECT_EQ(designs->itemText(2), GetParam().thirdDesign);
  EXPECT_EQ(Child<QPushButton>("CancelBtn")->text(), GetParam().cancel);
  // Every caption has the room it needs.
  for (const QPushButton* button : dialog_->findChildren<QPushButton*>()) {
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
  }
  if (GetParam().language == German) {
    dialog_->grab().save(QDir::temp().filePath("tavlo_preferences_german.png"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SetupOptionsLanguage,
    ::testing::Values(LanguageCase{English, "Tavlo 1 Preferences", "Red Hatch", "&Cancel"},
                      LanguageCase{Danish, "Tavlo 1 Indstillinger", "Rød skravering", "&Fortryd"},
                      LanguageCase{Norwegian, "Tavlo 1 Innstillinger", "Rød skravering", "&Avbryt"},
                      LanguageCase{French, "Tavlo 1 Réglages", "Hachure rouge", "&Annuler"},
                      LanguageCase{German, "Tavlo 1 Einstellungen", "Rote Karos ", "&Abbrechen"},
                      LanguageCase{Swedish, "Tavlo 1 Inställningar", "Röd storrutigt", "&Avbryt"}));

TEST_F(SetupOptionsTest, EveryWordOfTheTranslationTableNamesAControl) {
  Open();
  const QStringList keys = ControlKeysOfTable("setup_options.tsv");
  for (const QString& key : keys) {
    EXPECT_NE(dialog_->findChild<QObject*>(key), nullptr) << key.toStdString();
  }
  EXPECT_EQ(keys.size(), 17);
}

}  // namespace
}  // namespace tavlo
