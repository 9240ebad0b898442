#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace zw {

QString QtCatalogueFor(int languageKind) {
  switch (languageKind) {
    case 0: return QStringLiteral("qtbase_de");
    case 2: return QStringLiteral("qtbase_fr");
    default: return {};
  }
}

bool ApplyQtTranslations(int languageKind) {
  static std::unique_ptr<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  const QString name = QtCatalogueFor(languageKind);
  if (name.isEmpty()) return false;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  return true;
}

}  // namespace zw
