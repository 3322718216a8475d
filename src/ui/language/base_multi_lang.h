#pragma once
// The translation component every window carries: the window's table of texts
// in all its languages, and the switch that puts one language on the window.
// This base holds the table, the fonts and geometry kept per language and the
// walk through the table; TMultiLang knows how each kind of control takes its
// texts.

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace tavlo {

// Which geometry follows the language: none, the controls only, or the
// controls and the window itself.
enum TSwitchPositions { spNone = 0, spControlsOnly = 1, spAll = 2 };

// Keys of the table that name no component.
inline constexpr char FormKey[] = "%Form%";
inline constexpr char HintKey[] = "\".Hint";
inline constexpr char ContinuationKey[] = "\"";

// Messages of the component.
inline constexpr char TooHighLanguageMessage[] =
    "Value must not be higher than\nnumber of available languages.";
inline constexpr char NoLanguageMessage[] = "You have to provide at least 1 language.";
inline constexpr char DropActiveLanguageQuestion[] =
    "You are decreasing the number of languages.\nEntries for the removed language will be "
    "lost.\nThe currently displayed language will be deleted, too.\n\nDo you really want to "
    "continue?";
inline constexpr char DropLanguageQuestion[] =
    "You are decreasing the number of languages.\nEntries for the removed language will be "
    "lost.\n\nContinue?";

// Reads the groups of a table in order for one language. A group is a key
// followed by one text per language; a group cut off by the end of the table
// ends the reading.
class WordReader {
 public:
  WordReader(const QStringList& words, int languages, int language, int defaultLanguage,
             bool defaultEnabled);

  // Whether a whole group stands at the reading position.
  bool AtGroup() const;
  // The key of the group at the reading position; empty when there is none.
  QString Key() const;
  bool KeyIs(const QString& key) const;
  // The text of the group at the reading position, then moves past the group.
  // Empty when no whole group is left (and the reading has then ended).
  QString Take();
  // Moves past the group at the reading position.
  void Skip() { Take(); }
  bool Ended() const { return !AtGroup(); }
  qsizetype Position() const { return position_; }

 private:
  const QStringList& words_;
  int languages_, language_, defaultLanguage_;
  bool defaultEnabled_;
  qsizetype position_ = 0;
};

class TBaseMultiLang : public QObject {
  Q_OBJECT
 public:
  // The component of window; it lives as long as the window.
  explicit TBaseMultiLang(QWidget* window);

  QWidget* Window() const { return window_; }
  int Languages() const { return languages_; }
  int ActiveLanguage() const { return activeLanguage_; }

  int DefaultLanguage = 0;
  bool DefaultEnabled = false;
  // Groups of Languages() + 1 strings: a key, then one text per language.
  QStringList Words;
  // Per language: the font name, a comma and the character set number.
  QStringList CharSets;
  TSwitchPositions SwitchPositions = spNone;
  // Per control: "name,left.top.width.height,..." with one entry per language.
  QStringList Positions;
  // Names of components that keep their texts whatever the language.
  QStringList DoNot;

  // Asked with the new index before a switch; returning false vetoes it.
  std::function<bool(int language)> BeforeLanguageChange;
  // Told the new index after a switch.
  std::function<void(int language)> AfterLanguageChanged;

  // Puts the stored table on the component as a window's stored design does:
  // no texts are added or removed.
  void Load(int languages, QStringList words);

  // Switches the window to language. An index beyond the languages is refused
  // with a message and nothing changes. Returns whether the switch was made.
  bool SetActiveLanguage(int language);

  // Changes the number of languages of the table as its designer does: fewer
  // languages lose their texts after confirm agrees to the question; more
  // languages get "?" as every new text. Returns whether the number changed.
  bool ChangeLanguages(int languages, const std::function<bool(const QString&)>& confirm);

 protected:
  // Applies the entry of component, which starts at the reader's position:
  // its main group, any continuation groups and its hint group. A component
  // that takes none of them leaves the reader where it was.
  virtual void ApplyEntry(QObject* component, WordReader& reader) = 0;

 private:
  void SaveCharSet(int language);
  void ApplyCharSet(int language);
  void WalkWords(int language);

  QWidget* window_;
  int languages_ = 2;
  int activeLanguage_ = 0;
};

}  // namespace tavlo
