#include "language/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace tavlo {

namespace {

// Qt's name of each language of the table. Norwegian: Qt's translators
// wrote Nynorsk only, whose words for these buttons Bokmål readers share.
constexpr std::array<const char*, 6> QtLanguageCodes{"", "da", "nn", "fr", "de", "sv"};

}  // namespace

bool UseQtTranslations(int language) {
  static QTranslator* inForce = nullptr;
  if (inForce) {
    QCoreApplication::removeTranslator(inForce);
    delete inForce;
    inForce = nullptr;
  }
  if (language <= 0 || language >= static_cast<int>(QtLanguageCodes.size())) return false;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto translator = new QTranslator(QCoreApplication::instance());
  // The whole of Qt's words where the package has them, else its base.
  for (const char* catalogue : {"qt_", "qtbase_"}) {
    if (translator->load(catalogue + QString(QtLanguageCodes[language]), folder)) {
      QCoreApplication::installTranslator(translator);
      inForce = translator;
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace tavlo
