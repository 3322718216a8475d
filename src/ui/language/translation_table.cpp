#include "language/translation_table.h"

#include <QFile>

#include "language/base_multi_lang.h"

// The tables live in a resource file of this library; a static library's
// resources are registered only when asked for by name.
static void InitTranslationTables() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(translation_tables);
    return true;
  }();
  (void)registered;
}

namespace tavlo {

namespace {

QString Unescaped(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != '\\' || i + 1 == text.size()) {
      result += c;
      continue;
    }
    const QChar next = text[++i];
    if (next == 'n')
      result += '\n';
    else if (next == 't')
      result += '\t';
    else if (next == '\\')
      result += '\\';
    else
      result += QString{c} + next;
  }
  return result;
}

}  // namespace

std::optional<QStringList> ReadTranslationTable(const QString& path, int languages) {
  InitTranslationTables();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QStringList words;
  for (const QString& rawLine : QString::fromUtf8(file.readAll()).split('\n')) {
    QString line = rawLine;
    if (line.endsWith('\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith('#')) continue;
    QStringList fields = line.split('\t');
    fields.resize(languages + 1);
    words << fields[0];
    for (int n = 1; n <= languages; ++n) words << Unescaped(fields[n]);
  }
  return words;
}

bool LoadTranslationTable(TBaseMultiLang& component, const QString& path) {
  std::optional<QStringList> words = ReadTranslationTable(path);
  if (!words) return false;
  component.Load(LanguageCount, *std::move(words));
  return true;
}

}  // namespace tavlo
