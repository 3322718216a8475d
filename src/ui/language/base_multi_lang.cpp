#include "language/base_multi_lang.h"

#include <QHash>
#include <QWidget>

#include "common/notifier.h"
#include "language/language_positions.h"

namespace tavlo {

WordReader::WordReader(const QStringList& words, int languages, int language, int defaultLanguage,
                       bool defaultEnabled)
    : words_(words),
      languages_(languages),
      language_(language),
      defaultLanguage_(defaultLanguage),
      defaultEnabled_(defaultEnabled) {}

bool WordReader::AtGroup() const { return position_ + languages_ < words_.size(); }

QString WordReader::Key() const { return AtGroup() ? words_[position_] : QString(); }

bool WordReader::KeyIs(const QString& key) const {
  return AtGroup() && words_[position_].compare(key, Qt::CaseInsensitive) == 0;
}

QString WordReader::Take() {
  if (!AtGroup()) {
    position_ = words_.size();
    return {};
  }
  QString text = words_[position_ + language_ + 1];
  if (text.isEmpty() && defaultEnabled_ && defaultLanguage_ >= 0 && defaultLanguage_ < languages_)
    text = words_[position_ + defaultLanguage_ + 1];
  position_ += languages_ + 1;
  return text;
}

TBaseMultiLang::TBaseMultiLang(QWidget* window) : QObject(window), window_(window) {}

void TBaseMultiLang::Load(int languages, QStringList words) {
  languages_ = languages;
  Words = std::move(words);
}

bool TBaseMultiLang::SetActiveLanguage(int language) {
  if (language < 0 || language >= languages_) {
    Notifier::Current().Message(TooHighLanguageMessage);
    return false;
  }
  if (BeforeLanguageChange && !BeforeLanguageChange(language)) return false;

  SaveCharSet(activeLanguage_);
  if (SwitchPositions != spNone)
    SavePositions(Positions, languages_, activeLanguage_, window_, SwitchPositions);
  activeLanguage_ = language;
  ApplyCharSet(language);
  if (SwitchPositions != spNone) ApplyPositions(Positions, language, window_, SwitchPositions);
  WalkWords(language);

  if (AfterLanguageChanged) AfterLanguageChanged(language);
  return true;
}

// The font shown in a language is kept under it, so coming back to the
// language brings its font back. The window system has no character sets, so
// the number stored with the font is carried along unchanged.
void TBaseMultiLang::SaveCharSet(int language) {
  while (CharSets.size() < languages_) CharSets << QString();
  QString charSet = CharSets[language].section(',', 1);
  if (charSet.isEmpty()) charSet = "0";
  CharSets[language] = window_->font().family() + ',' + charSet;
}

// A language without a stored font keeps the font in use.
void TBaseMultiLang::ApplyCharSet(int language) {
  if (language >= CharSets.size()) return;
  const QString family = CharSets[language].section(',', 0, 0).trimmed();
  if (family.isEmpty() || family == window_->font().family()) return;
  QFont font = window_->font();
  font.setFamily(family);
  window_->setFont(font);
}

void TBaseMultiLang::WalkWords(int language) {
  // Component names are matched as the designer typed them, in any case; the
  // first component of a name wins.
  QHash<QString, QObject*> components;
  for (QObject* child : window_->findChildren<QObject*>()) {
    const QString name = child->objectName().toLower();
    if (!name.isEmpty() && !components.contains(name)) components.insert(name, child);
  }

  WordReader reader(Words, languages_, language, DefaultLanguage, DefaultEnabled);
  while (!reader.Ended()) {
    const QString key = reader.Key();
    if (key.compare(FormKey, Qt::CaseInsensitive) == 0) {
      window_->setWindowTitle(reader.Take());
      continue;
    }
    QObject* component = components.value(key.toLower());
    if (!component || DoNot.contains(key, Qt::CaseInsensitive)) {
      reader.Skip();
      continue;
    }
    const qsizetype start = reader.Position();
    ApplyEntry(component, reader);
    if (reader.Position() == start) reader.Skip();
  }
}

bool TBaseMultiLang::ChangeLanguages(int languages,
                                     const std::function<bool(const QString&)>& confirm) {
  if (languages == languages_) return false;
  if (languages < 1) {
    Notifier::Current().Message(NoLanguageMessage);
    return false;
  }
  const int group = languages_ + 1;
  QStringList words;
  if (languages < languages_) {
    const bool dropsActive = activeLanguage_ >= languages;
    if (!confirm(dropsActive ? DropActiveLanguageQuestion : DropLanguageQuestion)) return false;
    // The language shown goes with the texts; when the window may not leave
    // it, the texts stay too.
    if (dropsActive && !SetActiveLanguage(0)) return false;
    for (qsizetype k = 0; k < Words.size(); k += group)
      words << Words.mid(k, std::min<qsizetype>(languages + 1, Words.size() - k));
  } else {
    for (qsizetype k = 0; k < Words.size(); k += group) {
      words << Words.mid(k, group);
      if (k + group <= Words.size())
        for (int n = languages_; n < languages; ++n) words << "?";
    }
  }
  Words = words;
  languages_ = languages;
  return true;
}

}  // namespace tavlo
