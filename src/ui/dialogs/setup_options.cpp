#include "dialogs/setup_options.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <array>

#include "cards/card_pictures.h"
#include "cards/my_card.h"
#include "common/colour.h"
#include "common/notifier.h"
#include "dialogs/colour_scheme.h"
#include "dialogs/dialog_translations.h"
#include "language/languages.h"
#include "language/multi_lang.h"
#include "options/options_file.h"

namespace tavlo {

namespace {

constexpr int ShortestThinking = 1, LongestThinking = 10;
// A thinking time never set is shown as the middle of the scale.
constexpr int UnsetThinkingShownAs = 5;
// The list offers designs 0..13; design 14 is kept but not offered.
constexpr std::array<const char*, 14> DesignNames{
    "Red Checks", "Blue Checks", "Red Hatch", "Blue Hatch", "Robot", "Roses",     "Leaves 1",
    "Leaves 2",   "Fish",        "Conch",     "Castle",     "Beach", "Sail Boat", "Traffic Light"};
// The face shown beside the back: the jack of hearts, whose colours show
// the face set best.
constexpr int PreviewSuit = Hearts, PreviewRank = Jack;

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title,
                     const QString& hint = {}) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  if (!hint.isEmpty()) group->setToolTip(hint);
  return group;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint = {}) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  if (!hint.isEmpty()) button->setToolTip(hint);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

bool LightScheme(const ColourSchemeColours& scheme) { return scheme[0] == LightColourScheme[0]; }

// A card rebuilds its picture only when one of its properties changes; after
// the shared pictures changed under it, its suit is turned to another and back.
void Rebuild(TMyCard* card) {
  const int suit = card->Suit();
  card->SetSuit(suit == Clubs ? Diamonds : Clubs);
  card->SetSuit(suit);
  card->SetUpPic();
}

}  // namespace

TSetupOptions::TSetupOptions(OptionsRecord& options, QString optionsFile, QString newPlayerMessage,
                             QList<TMyCard*> tableCards, QWidget* parent)
    : QDialog(parent),
      options_(options),
      optionsFile_(std::move(optionsFile)),
      newPlayerMessage_(std::move(newPlayerMessage)),
      tableCards_(std::move(tableCards)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("SetupOptions");
  setWindowTitle("Tavlo 1 Preferences");
  CreateControls();

  connect(newPlayer_, &QLineEdit::textChanged, this, &TSetupOptions::NewPlayerClick);
  connect(skillSlide_, &QSlider::valueChanged, this, &TSetupOptions::SkillSlideChange);
  connect(stdColorButton_, &QPushButton::clicked, this, &TSetupOptions::StdColorButtonClick);
  connect(darkButton_, &QPushButton::clicked, this, &TSetupOptions::DarkButtonClick);
  connect(lightCard_, &QPushButton::clicked, this, [this] { CardsClick(false); });
  connect(darkCard_, &QPushButton::clicked, this, [this] { CardsClick(true); });
  connect(cardBack_, &QComboBox::activated, this, &TSetupOptions::CardBackChange);
  connect(newColorButton_, &QPushButton::clicked, this, &TSetupOptions::NewColorButtonClick);
  LoadDialogTranslations(*multiLang_, "setup_options.tsv");
}

void TSetupOptions::CreateControls() {
  auto* playerNameBox = MakeGroup(this, "PlayerNameBox", "Player's Name");
  newPlayer_ = new QLineEdit(playerNameBox);
  newPlayer_->setObjectName("NewPlayer");
  (new QHBoxLayout(playerNameBox))->addWidget(newPlayer_);

  auto* thinkingTimeBox = MakeGroup(this, "ThinkingTimeBox", "Thinking Time");
  skillSlide_ = new QSlider(Qt::Horizontal, thinkingTimeBox);
  skillSlide_->setObjectName("SkillSlide");
  skillSlide_->setRange(ShortestThinking, LongestThinking);
  skillSlide_->setPageStep(1);
  skillSlide_->setTickPosition(QSlider::TicksBelow);
  skillSlide_->setToolTip("Longer time=better play");
  skillSlide_->setMinimumWidth(140);
  skillBar_ = new QProgressBar(thinkingTimeBox);
  skillBar_->setObjectName("SkillBar");
  skillBar_->setRange(0, LongestThinking);
  skillBar_->setTextVisible(false);
  skillLevel_ = MakeLabel(thinkingTimeBox, "SkillLevel", QString());
  skillLevel_->setAlignment(Qt::AlignCenter);
  auto* thinking = new QGridLayout(thinkingTimeBox);
  thinking->addWidget(MakeLabel(thinkingTimeBox, "Label2", "Short"), 0, 0);
  thinking->addWidget(skillSlide_, 0, 1);
  thinking->addWidget(MakeLabel(thinkingTimeBox, "Label1", "Long"), 0, 2);
  thinking->addWidget(skillBar_, 1, 1);
  thinking->addWidget(skillLevel_, 1, 2);

  auto* screenColorBox =
      MakeGroup(this, "ScreenColorBox", "Screen Colors", "Select foreground and background colors");
  stdColorButton_ = MakeButton(screenColorBox, "StdColorButton", "Light");
  darkButton_ = MakeButton(screenColorBox, "DarkButton", "Dark");
  auto* screen = new QHBoxLayout(screenColorBox);
  screen->addWidget(stdColorButton_);
  screen->addWidget(darkButton_);

  auto* cardFaceBox = MakeGroup(this, "CardFaceBox", "Card Face", "Colors on the card faces");
  lightCard_ = MakeButton(cardFaceBox, "LightCard", "Light", "Red and Yellow");
  darkCard_ = MakeButton(cardFaceBox, "DarkCard", "Dark", "Maroon and Amber");
  auto* faces = new QHBoxLayout(cardFaceBox);
  faces->addWidget(lightCard_);
  faces->addWidget(darkCard_);

  // The previews lie on the colour the hands lie on at the table, which
  // their corners take.
  auto* cardBackBox = MakeGroup(this, "CardBackBox", "Card Back");
  SetSchemeTag(cardBackBox, 1);
  cardBack_ = new QComboBox(cardBackBox);
  cardBack_->setObjectName("CardBack");
  for (const char* name : DesignNames) cardBack_->addItem(name);
  newColorButton_ =
      MakeButton(cardBackBox, "NewColorButton", "Color", "Change color on back design,");
  myCardBack_ = new TMyCard(cardBackBox);
  myCardBack_->setObjectName("MyCardBack");
  myCardFront_ = new TMyCard(cardBackBox);
  myCardFront_->setObjectName("MyCardFront");
  myCardFront_->SetShowFront(true);
  myCardFront_->SetSuit(PreviewSuit);
  myCardFront_->SetRank(PreviewRank);
  auto* back = new QGridLayout(cardBackBox);
  back->addWidget(MakeLabel(cardBackBox, "Label3", "Design"), 0, 0, 1, 2);
  back->addWidget(cardBack_, 1, 0, 1, 2);
  back->addWidget(newColorButton_, 2, 0, 1, 2);
  back->addWidget(myCardBack_, 3, 0, Qt::AlignCenter);
  back->addWidget(myCardFront_, 3, 1, Qt::AlignCenter);
  // The list and the cards stay together at the top, however tall the box.
  back->setRowStretch(4, 1);

  auto* okButton = MakeButton(this, "OKBtn", "&OK");
  okButton->setDefault(true);
  auto* cancelButton = MakeButton(this, "CancelBtn", "&Cancel");
  connect(okButton, &QPushButton::clicked, this, &TSetupOptions::OKBtnClick);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(playerNameBox, 0, 0);
  layout->addWidget(thinkingTimeBox, 1, 0);
  layout->addWidget(screenColorBox, 2, 0);
  layout->addWidget(cardFaceBox, 3, 0);
  layout->addWidget(cardBackBox, 0, 1, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons, 4, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSetupOptions::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TSetupOptions::FormActivate() {
  multiLang_->SetActiveLanguage(options_.Language < LanguageCount ? options_.Language : English);
  // Design 14 is not in the list: nothing is selected, and it is kept.
  cardBack_->setCurrentIndex(options_.CardBackDesign < cardBack_->count() ? options_.CardBackDesign
                                                                          : -1);
  newPlayer_->setText(QString::fromStdString(options_.PlayerName));
  newColorButton_->setEnabled(options_.CardBackDesign >= FirstRecolourableDesign);
  skillSlide_->setValue(options_.SkillLevel == 0 ? UnsetThinkingShownAs : options_.SkillLevel);
  SkillSlideChange();
  myCardBack_->SetBackColor(options_.CardBackColour);
  myCardBack_->SetCornerColor(options_.ColourScheme[1]);
  myCardBack_->SetBackDesign(options_.CardBackDesign);
  Rebuild(myCardBack_);
  myCardFront_->SetCornerColor(options_.ColourScheme[1]);
  Rebuild(myCardFront_);
  HueButtons();
  ApplyColourScheme(this, options_.ColourScheme, true);
}

void TSetupOptions::SkillSlideChange() {
  skillBar_->setValue(skillSlide_->value());
  skillLevel_->setText(QString::number(skillSlide_->value()));
}

void TSetupOptions::NewPlayerClick() {
  options_.PlayerName = CutPlayerName(newPlayer_->text().toStdString());
}

void TSetupOptions::StdColorButtonClick() {
  SetLightColourScheme(options_);
  HueButtons();
  ApplyColourScheme(this, options_.ColourScheme, true);
}

void TSetupOptions::DarkButtonClick() {
  options_.ColourScheme = DarkColourScheme;
  HueButtons();
  ApplyColourScheme(this, options_.ColourScheme, true);
}

void TSetupOptions::CardBackChange() {
  const int design = cardBack_->currentIndex();
  myCardBack_->SetBackDesign(design);
  newColorButton_->setEnabled(design >= FirstRecolourableDesign);
  myCardBack_->SetUpPic();
}

void TSetupOptions::NewColorButtonClick() {
  const QColor chosen = QColorDialog::getColor(ToQColor(myCardBack_->BackColor()), this);
  if (!chosen.isValid()) return;
  const Colour colour = FromQColor(chosen);
  myCardBack_->SetBackColor(colour);
  RecolourBackDesign(colour, myCardBack_->BackDesign());
  Rebuild(myCardBack_);
}

void TSetupOptions::CardsClick(bool dark) {
  SetDarkFaces(dark);
  options_.DarkCards = FaceSet() == DarkFaces ? 1 : 0;
  HueButtons();
  AdjustCards();
}

void TSetupOptions::HueButtons() {
  const bool darkFaces = FaceSet() == DarkFaces;
  lightCard_->setEnabled(darkFaces);
  darkCard_->setEnabled(!darkFaces);
  const bool light = LightScheme(options_.ColourScheme);
  stdColorButton_->setEnabled(!light);
  darkButton_->setEnabled(light);
}

void TSetupOptions::AdjustCards() {
  for (TMyCard* card : tableCards_) Rebuild(card);
  Rebuild(myCardFront_);
  myCardFront_->repaint();
}

void TSetupOptions::OKBtnClick() {
  if (options_.PlayerName.empty()) {
    Notifier::Current().Message(newPlayerMessage_);
    NewPlayerClick();
    return;
  }
  accept();
}

void TSetupOptions::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TSetupOptions::FormClose() {
  options_.SkillLevel = static_cast<std::uint8_t>(skillBar_->value());
  if (cardBack_->currentIndex() >= 0) {
    options_.CardBackDesign = static_cast<std::uint8_t>(cardBack_->currentIndex());
  }
  options_.CardBackColour = myCardBack_->BackColor();
  if (!SaveOptions(options_, optionsFile_.toStdString())) {
    Notifier::Current().Message(
        QStringLiteral("The preferences could not be saved in %1.").arg(optionsFile_));
  }
}

}  // namespace tavlo
