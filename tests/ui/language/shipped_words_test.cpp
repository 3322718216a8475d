// The words a learner reads, as the source tree ships them in
// resources/lang: every text in all six languages, nothing left in English
// that the glossary does not allow, the suit signs and the numbers filled in
// of each English text kept in every translation, the alert table's English
// as the Alerts table has it, and one letter for each item of a menu or pad.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "auction/bid_keys.h"
#include "language/translation_table.h"
#include "shipped_string_table.h"

namespace tavlo {
namespace {

const QString LangFolder = TAVLO_SOURCE_DIR "/resources/lang/";
const std::array<const char*, LanguageCount> LanguageNames{"English", "Danish", "Norwegian",
                                                           "French",  "German", "Swedish"};

// One line of a table: its window's table, the control it names (a hint or
// a further list item is named after the control above it) and its texts.
struct TableRow {
  QString table;
  QString name;
  QStringList texts;
  std::string Where() const { return (table + ": " + name).toStdString(); }
};

std::vector<TableRow> RowsOf(const QString& table) {
  const std::optional<QStringList> words = ReadTranslationTable(LangFolder + table);
  EXPECT_TRUE(words.has_value()) << table.toStdString();
  std::vector<TableRow> rows;
  if (!words) return rows;
  QString control;
  int item = 0;
  for (qsizetype at = 0; at + LanguageCount < words->size(); at += LanguageCount + 1) {
    const QString& key = (*words)[at];
    QString name;
    if (key == "\"") {
      name = control + "/" + QString::number(++item);
    } else if (key.startsWith('"')) {
      name = control + key.mid(1);
    } else {
      control = name = key;
      item = 0;
    }
    rows.push_back({table, name, words->mid(at + 1, LanguageCount)});
  }
  return rows;
}

QStringList Tables() { return QDir(LangFolder).entryList({"*.tsv"}, QDir::Files, QDir::Name); }

std::vector<TableRow> AllRows() {
  std::vector<TableRow> rows;
  for (const QString& table : Tables()) {
    const std::vector<TableRow> more = RowsOf(table);
    rows.insert(rows.end(), more.begin(), more.end());
  }
  return rows;
}

// A caption as it reads: "&" marks the accelerator letter, "&&" is an "&".
QString Readable(const QString& text) {
  QString readable;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;
    readable += text[at];
  }
  return readable;
}

// The accelerator letters of a caption, lower-cased.
QString Accelerators(const QString& text) {
  QString letters;
  for (qsizetype at = 0; at + 1 < text.size(); ++at) {
    if (text[at] != '&') continue;
    if (text[at + 1] != '&') letters += text[at + 1].toLower();
    ++at;
  }
  return letters;
}

// The texts the glossary lets stay as English writes them, with the
// languages that do so: its table rows "| `text` | da no ... | why |".
std::map<QString, QSet<int>> SameAsEnglishInTheGlossary() {
  QFile file(LangFolder + "GLOSSARY.md");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QMap<QString, int> codes{
      {"da", Danish}, {"no", Norwegian}, {"fr", French}, {"de", German}, {"sv", Swedish}};
  std::map<QString, QSet<int>> same;
  static const QRegularExpression row(R"(^\| `([^`]+)` \| ([a-z ]+) \|)");
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    const QRegularExpressionMatch match = row.match(line);
    if (!match.hasMatch()) continue;
    for (const QString& code : match.captured(2).split(' ', Qt::SkipEmptyParts)) {
      EXPECT_TRUE(codes.contains(code)) << line.toStdString();
      same[match.captured(1)] << codes.value(code, -1);
    }
  }
  return same;
}

// A window caption the table leaves empty in a language: that window shows
// no title there.
const std::set<std::tuple<QString, QString, int>> LeftEmpty{
    {"save_dialog.tsv", "%Form%", French},
    {"saved_hand_picker.tsv", "%Form%", French},
};

TEST(ShippedLanguageTablesTest, EveryTextIsThereInAllSixLanguages) {
  QStringList tables = Tables();
  EXPECT_TRUE(tables.contains("alerts.tsv"));
  EXPECT_TRUE(tables.contains("table.tsv"));
  for (const QString& table : tables) {
    // Each line carries the key and exactly six texts: a missing tab would
    // leave the last language blank, a stray one would shift nothing but
    // would hide a text.
    QFile file(LangFolder + table);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int lineNumber = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      ++lineNumber;
      if (line.isEmpty() || line.startsWith('#')) continue;
      EXPECT_EQ(line.count('\t'), LanguageCount)
          << table.toStdString() << ":" << lineNumber << " " << line.toStdString();
    }
  }
  for (const TableRow& row : AllRows()) {
    if (row.texts[English].isEmpty()) continue;
    for (int language = Danish; language < LanguageCount; ++language) {
      if (LeftEmpty.count({row.table, row.name, language})) continue;
      EXPECT_FALSE(row.texts[language].trimmed().isEmpty())
          << row.Where() << " has no " << LanguageNames[language] << " for \""
          << row.texts[English].toStdString() << "\"";
    }
  }
}

TEST(ShippedLanguageTablesTest, NoTextIsLeftInEnglishUnlessTheGlossarySaysSo) {
  const std::map<QString, QSet<int>> allowed = SameAsEnglishInTheGlossary();
  ASSERT_FALSE(allowed.empty());
  static const QRegularExpression word(R"(\p{L}{2,})");
  std::map<QString, QSet<int>> used;
  for (const TableRow& row : AllRows()) {
    const QString english = Readable(row.texts[English]);
    if (!english.contains(word)) continue;
    for (int language = Danish; language < LanguageCount; ++language) {
      if (Readable(row.texts[language]) != english) continue;
      used[english] << language;
      const auto found = allowed.find(english);
      EXPECT_TRUE(found != allowed.end() && found->second.contains(language))
          << row.Where() << " is left in English in " << LanguageNames[language] << ": \""
          << english.toStdString() << "\"";
    }
  }
  // The glossary's list stays true: each text it names is still left so.
  for (const auto& [text, languages] : allowed) {
    for (const int language : languages) {
      EXPECT_TRUE(used.count(text) && used[text].contains(language))
          << "the glossary lets \"" << text.toStdString() << "\" stay English in "
          << (language >= 0 ? LanguageNames[language] : "?") << ", but no table does";
    }
  }
}

// "~S" draws a spade and "%1" is filled in by the program: a translation
// that loses one shows the learner a wrong or empty explanation.
TEST(ShippedLanguageTablesTest, EverySuitSignAndFilledInNumberOfTheEnglishSurvives) {
  static const QRegularExpression marker(R"(~.|%[1-9])");
  int signs = 0;
  for (const TableRow& row : AllRows()) {
    QMap<QString, int> english;
    for (const auto& match : marker.globalMatch(row.texts[English])) ++english[match.captured()];
    signs += english.size();
    for (int language = Danish; language < LanguageCount; ++language) {
      QMap<QString, int> translated;
      for (const auto& match : marker.globalMatch(row.texts[language]))
        ++translated[match.captured()];
      for (auto it = english.cbegin(); it != english.cend(); ++it)
        EXPECT_GE(translated.value(it.key()), it.value())
            << row.Where() << " in " << LanguageNames[language] << " lost "
            << it.key().toStdString() << ": \"" << row.texts[language].toStdString() << "\"";
    }
  }
  EXPECT_GT(signs, 20);
}

TEST(ShippedLanguageTablesTest, TheAlertTableSpeaksTheEnglishOfTheAlertsTable) {
  const std::vector<std::string> alerts = testing_support::ShippedStringTable("Alerts");
  const std::vector<TableRow> rows = RowsOf("alerts.tsv");
  ASSERT_EQ(alerts.size(), 192u);
  ASSERT_EQ(rows.size(), alerts.size());
  for (std::size_t at = 0; at < rows.size(); ++at) {
    const QString line = QString::fromStdString(alerts[at]);
    const qsizetype equals = line.indexOf('=');
    EXPECT_EQ(rows[at].name, QString::number(at + 1));
    EXPECT_EQ(rows[at].name, line.left(equals));
    EXPECT_EQ(rows[at].texts[English], line.mid(equals + 1)) << rows[at].Where();
  }
}

// The items a learner sees together, each pressed with Alt and its letter.
// A menu bar, each menu, each panel of buttons; the play pad shows Hint or
// Play Hint, never both.
struct Group {
  const char* table;
  const char* name;
  std::vector<const char*> items;
};
const std::vector<Group> Groups{
    {"table.tsv", "menu bar", {"File1", "PlayOptions1", "BiddingSystem1", "Language1", "Help1"}},
    {"table.tsv",
     "File menu",
     {"SetupOptions1", "NewHand1", "SaveHandMenu", "PlayaSavedHand1", "Lessons1",
      "DeleteaSavedHand1", "PrintHand1", "ExportPdf1", "ImportPbn1", "ExportPbn1", "Exit1"}},
    {"table.tsv",
     "Play Options menu",
     {"ReplayHand1", "RebidHand1", "ReviewHand1", "ShowHands", "HideHands", "ReviewBidding",
      "ClaimTricks1"}},
    {"table.tsv", "Bidding System menu", {"DanishBasic1", "ForumD1", "FrenchSIF1", "SwedishMS1"}},
    {"table.tsv",
     "Language menu",
     {"Danish1", "English1", "French1", "German1", "Norwegian1", "Swedish1"}},
    {"table.tsv", "Help menu", {"Contents1", "AboutTavlo1"}},
    {"table.tsv", "end of the bidding", {"EOBStart", "EOBRebid", "EOBNewHand", "EOBTakeBack"}},
    {"table.tsv",
     "end of the hand",
     {"EOSNewHand", "ButSavedHand", "ButReplayHand", "ButReviewHand"}},
    {"table.tsv",
     "play pad with Hint",
     {"ButHint", "TPPFast", "TPPBackup", "ButClearTable", "TPPClaim"}},
    {"table.tsv",
     "play pad with Play Hint",
     {"ButPlayHint", "TPPFast", "TPPBackup", "ButClearTable", "TPPClaim"}},
    // Double and redouble share X: the key doubles or redoubles as the
    // auction stands.
    {"table.tsv", "bid box", {"PassBut", "XButDbl", "ButMakeBid", "ButHintBid"}},
    {"table.tsv", "bid box", {"PassBut", "XButRedbl", "ButMakeBid", "ButHintBid"}},
    {"review_form.tsv", "review", {"PrevTrick", "NextTrick", "CloseReview"}},
    {"claim.tsv", "claim dialog", {"ClaimAll", "ClaimSome"}},
    {"setup_options.tsv", "preferences", {"OKBtn", "CancelBtn"}},
    {"saved_hand_picker.tsv", "saved-hand picker", {"BitBtn1", "BitBtn2"}},
    {"save_dialog.tsv", "save dialog", {"BitBtn1", "BitBtn2"}},
    {"lessons_window.tsv", "lessons window", {"PlayButton", "ContinueButton"}},
    {"help_viewer.tsv", "help viewer", {"ButContents", "ButBack"}},
};

QMap<QString, QStringList> TextsByName(const QString& table) {
  QMap<QString, QStringList> texts;
  for (const TableRow& row : RowsOf(table)) texts[row.name] = row.texts;
  return texts;
}

TEST(ShippedLanguageTablesTest, NoTwoItemsOfAMenuOrPadShareAnAcceleratorLetter) {
  for (const Group& group : Groups) {
    QMap<QString, QStringList> texts = TextsByName(group.table);
    // The table speaks the claim's words too: its menu item and button.
    if (group.table == QString("table.tsv")) texts.insert(TextsByName("claim.tsv"));
    for (int language = English; language < LanguageCount; ++language) {
      const std::string where = std::string(group.name) + " in " + LanguageNames[language];
      QMap<QChar, QString> taken;
      for (const char* item : group.items) {
        ASSERT_TRUE(texts.contains(item)) << group.table << " has no " << item;
        const QString caption = texts[item][language];
        const QString letters = Accelerators(caption);
        ASSERT_EQ(letters.size(), 1)
            << where << ": \"" << caption.toStdString() << "\" needs one accelerator letter";
        EXPECT_FALSE(taken.contains(letters[0]))
            << where << ": \"" << caption.toStdString() << "\" and \""
            << taken.value(letters[0]).toStdString() << "\" share "
            << letters.toUpper().toStdString();
        taken[letters[0]] = caption;
      }
    }
  }
}

// The bid box underlines, in each language, the key that makes its call.
TEST(ShippedLanguageTablesTest, TheBidBoxUnderlinesTheKeysOfItsCalls) {
  const QMap<QString, QStringList> texts = TextsByName("table.tsv");
  for (int language = English; language < LanguageCount; ++language) {
    const std::string_view keys = BidKeyLetters[language];
    for (const auto& [item, key] :
         {std::pair{"PassBut", keys[5]}, std::pair{"XButDbl", 'X'}, std::pair{"XButRedbl", 'X'},
          std::pair{"ButMakeBid", keys[6]}, std::pair{"ButHintBid", keys[7]}}) {
      EXPECT_EQ(Accelerators(texts[item][language]), QString(QChar(key)).toLower())
          << item << " in " << LanguageNames[language];
    }
  }
}

}  // namespace
}  // namespace tavlo
