#include "language/translation_table.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include "language/multi_lang.h"
#include "qt_application.h"

namespace tavlo {
namespace {

class TranslationTableTest : public ::testing::Test {
 protected:
  QString Write(const QByteArray& text) {
    const QString path = folder.filePath("table.tsv");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }

  QTemporaryDir folder;
};

TEST_F(TranslationTableTest, EachLineIsOneGroupOfKeyAndTexts) {
  const QString path = Write(
      "# key, English, Danish, French\r\n"
      "%Form%\tSave this hand\tGem dette spil\t\r\n"
      "\n"
      "ButHint\tH&int\r\n"
      "\".Hint\tRecommended card\tAnbefalet kort\tCarte\tExtra\n"
      "\"\tLine one\\nLine two\tTab\\there\tBack\\\\slash\\x");

  EXPECT_EQ(ReadTranslationTable(path, 3),
            QStringList({"%Form%", "Save this hand", "Gem dette spil", "",  //
                         "ButHint", "H&int", "", "",                        //
                         "\".Hint", "Recommended card", "Anbefalet kort", "Carte", "\"",
                         "Line one\nLine two", "Tab\there", "Back\\slash\\x"}));
}

TEST_F(TranslationTableTest, MissingFileIsNoTableAndLeavesTheComponentAlone) {
  QWidget form;
  TMultiLang multiLang(&form);
  multiLang.Words = QStringList{"Label1", "One", "En"};

  EXPECT_FALSE(ReadTranslationTable(folder.filePath("absent.tsv")).has_value());
  EXPECT_FALSE(LoadTranslationTable(multiLang, folder.filePath("absent.tsv")));

  EXPECT_EQ(multiLang.Languages(), 2);
  EXPECT_EQ(multiLang.Words, QStringList({"Label1", "One", "En"}));
}

TEST_F(TranslationTableTest, LoadedTableSwitchesAllSixLanguages) {
  QWidget form;
  TMultiLang multiLang(&form);
  ASSERT_TRUE(LoadTranslationTable(multiLang, Write("%Form%\tE\tDa\tN\tF\tG\tS\n")));

  EXPECT_EQ(multiLang.Languages(), LanguageCount);
  ASSERT_TRUE(multiLang.SetActiveLanguage(Swedish));
  EXPECT_EQ(form.windowTitle(), "S");
}

TEST(ShippedTablesTest, HelpViewerTableIsAResourceOfTheProgram) {
  const auto words = ReadTranslationTable(":/lang/help_viewer.tsv");

  ASSERT_TRUE(words.has_value());
  ASSERT_GE(words->size(), 7);
  EXPECT_EQ(words->mid(0, 7), QStringList({"%Form%", "Tavlo Help", "Tavlo Hjælp", "Tavlo Hjelp",
                                           "Aide de Tavlo", "Tavlo Hilfe", "Tavlo Hjälp"}));
}

// A stray tab or a mistyped key shifts nothing else, but the control it
// belongs to would silently stay in English: every line of every table is
// checked.
TEST(ShippedTablesTest, EveryLineHasAKeyAndNoMoreThanSixTexts) {
  ReadTranslationTable(":/lang/help_viewer.tsv");  // registers the tables
  const QRegularExpression key(R"(^(%Form%|"\.Hint|"|[A-Za-z_][A-Za-z0-9_]*)$)");
  QDirIterator tables(":/lang", QDirIterator::Subdirectories);
  int checked = 0;
  while (tables.hasNext()) {
    QFile file(tables.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    int lineNumber = 0;
    for (QString line : QString::fromUtf8(file.readAll()).split('\n')) {
      ++lineNumber;
      if (line.endsWith('\r')) line.chop(1);
      if (line.isEmpty() || line.startsWith('#')) continue;
      const QStringList fields = line.split('\t');
      const std::string where = file.fileName().toStdString() + ":" + std::to_string(lineNumber);
      EXPECT_TRUE(key.match(fields[0]).hasMatch()) << where;
      EXPECT_LE(fields.size(), LanguageCount + 1) << where;
    }
    ++checked;
  }
  EXPECT_GE(checked, 1);
}

}  // namespace
}  // namespace tavlo
