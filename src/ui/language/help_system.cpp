#include "language/help_system.h"

#include <QDir>
#include <QFileInfo>

#include "common/notifier.h"
#include "language/help_viewer.h"

namespace tavlo {

HelpSystem::HelpSystem(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

HelpSystem::~HelpSystem() = default;

void HelpSystem::ChooseHelpFile(int language) { language_ = language; }

QString HelpSystem::HelpFile() const { return QDir(dataFolder_).filePath(HelpFileName(language_)); }

bool HelpSystem::ShowTopic(const QString& topic, const QWidget* table) {
  const QString path = HelpFile();
  if (!QFileInfo::exists(path)) {
    Notifier::Current().Message(HelpMissingMessage);
    return false;
  }
  if (!viewer_) viewer_ = std::make_unique<HelpViewer>();
  // The viewer speaks the language of the help file; an index without a
  // language of its own reads the English help, so the viewer speaks English.
  const bool known = language_ >= 0 && language_ < LanguageCount;
  viewer_->ShowTopic(path, topic, known ? language_ : English, table);
  return true;
}

void HelpSystem::Quit() { viewer_.reset(); }

}  // namespace tavlo
