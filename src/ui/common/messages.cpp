#include "common/messages.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

#include "common/strings_resource.h"

namespace tavlo {

namespace {

// The languages as the tables order them.
constexpr int LanguageCount = static_cast<int>(LessonLanguages.size());
constexpr int English = 0, German = 4;
static_assert(LessonLanguages[English] == "English" && LessonLanguages[German] == "German");

// "%1" .. "%9" in a sentence of the table.
const QRegularExpression& ValueMark() {
  static const QRegularExpression mark("%([1-9])");
  return mark;
}

struct Sentence {
  QRegularExpression english;  // the English with a group "v1".."v9" for each value
  qsizetype words = 0;         // how much of the English is fixed words
  std::array<QString, LanguageCount> texts;
};

// The table's sentences, the most fixed words first: "Board %1 came in
// without its play: %2." is tried before a shorter sentence that would
// take part of it for a value. A sentence that ends in a value would take
// the words after it too, so a longer form has a row of its own ("Card %1
// (%2) does not follow suit in trick %3").
const std::vector<Sentence>& Sentences() {
  static const std::vector<Sentence> sentences = [] {
    std::vector<Sentence> list;
    const Result<LessonTexts> table = LoadLanguageTable("messages.tsv");
    if (!table) return list;
    for (const auto& [key, texts] : *table) {
      Sentence sentence;
      for (int language = English; language < LanguageCount; ++language)
        sentence.texts[language] = QString::fromStdString(texts[language]);
      const QString& english = sentence.texts[English];
      QString pattern;
      qsizetype from = 0;
      for (const QRegularExpressionMatch& value : ValueMark().globalMatch(english)) {
        const QString words = english.mid(from, value.capturedStart() - from);
        pattern += QRegularExpression::escape(words) + "(?<v" + value.captured(1) + ">.+?)";
        sentence.words += words.size();
        from = value.capturedEnd();
      }
      pattern += QRegularExpression::escape(english.mid(from));
      sentence.words += english.size() - from;
      sentence.english.setPattern(QRegularExpression::anchoredPattern(pattern));
      list.push_back(std::move(sentence));
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Sentence& a, const Sentence& b) { return a.words > b.words; });
    return list;
  }();
  return sentences;
}

QString LineInLanguage(const QString& line, int language);

// The sentence of the language with the values of the English match, each
// in the language too.
QString Filled(const Sentence& sentence, const QRegularExpressionMatch& match, int language) {
  const QString& text =
      sentence.texts[language].isEmpty() ? sentence.texts[English] : sentence.texts[language];
  QString filled;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& value : ValueMark().globalMatch(text)) {
    filled += text.mid(from, value.capturedStart() - from) +
              LineInLanguage(match.captured("v" + value.captured(1)), language);
    from = value.capturedEnd();
  }
  return filled + text.mid(from);
}

QString LineInLanguage(const QString& line, int language) {
  for (const Sentence& sentence : Sentences()) {
    const QRegularExpressionMatch match = sentence.english.match(line);
    if (match.hasMatch()) return Filled(sentence, match, language);
  }
  // A reason within a sentence starts in lower case ("Board 4 was left out:
  // the deal text ..."); the table writes it as a sentence of its own. A
  // German sentence after a colon keeps its capital.
  if (!line.isEmpty() && line[0].isLower()) {
    const QString sentence = line[0].toUpper() + line.mid(1);
    QString said = LineInLanguage(sentence, language);
    if (said == sentence) return line;
    if (language != German) said[0] = said[0].toLower();
    return said;
  }
  return line;
}

}  // namespace

QString MessageInLanguage(const QString& english, int language) {
  if (language <= English || language >= LanguageCount) return english;
  QStringList lines = english.split('\n');
  for (QString& line : lines) line = LineInLanguage(line, language);
  return lines.join('\n');
}

}  // namespace tavlo
