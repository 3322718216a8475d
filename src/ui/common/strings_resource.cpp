#include "common/strings_resource.h"

#include <QFile>
#include <mutex>

#include "common/notifier.h"
#include "model/string_table.h"

// Q_INIT_RESOURCE names a function at global scope, so it cannot be used
// inside the namespace.
static void InitStringsQrc() { Q_INIT_RESOURCE(strings); }

namespace tavlo {

void InitStringResources() {
  static std::once_flag once;
  std::call_once(once, InitStringsQrc);
}

bool LoadStringsResource(const QString& name, std::vector<std::string>& lines) {
  InitStringResources();
  QFile resource(":/strings/" + name);
  if (!resource.exists()) {
    Notifier::Current().Message("Could not find the resource");
    return false;
  }
  if (resource.size() == 0) {
    Notifier::Current().Message("Nothing to load - size = 0");
    return false;
  }
  if (!resource.open(QIODevice::ReadOnly)) {
    Notifier::Current().Message("Resource Load Failure");
    return false;
  }
  const QByteArray bytes = resource.readAll();
  AppendStringTableLines(std::string_view(bytes.constData(), bytes.size()), lines);
  return true;
}

Result<LessonTexts> LoadLanguageTable(const QString& name) {
  InitStringResources();
  QFile resource(":/strings/" + name);
  if (!resource.open(QIODevice::ReadOnly))
    return Reason{"The table " + name.toStdString() + " is not built into the program."};
  const QByteArray bytes = resource.readAll();
  return ParseLessonTexts({bytes.constData(), std::size_t(bytes.size())}, name.toStdString());
}

}  // namespace tavlo
