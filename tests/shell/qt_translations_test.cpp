#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

QString yesButton() { return QCoreApplication::translate("QPlatformTheme", "&Yes"); }

}  // namespace

TEST(QtTranslations, DialogButtonsFollowTheProgramLanguage) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + "/qtbase_de.qm")) GTEST_SKIP() << "Qt's catalogues are not installed";

  ASSERT_TRUE(zw::ApplyQtTranslations(0));
  EXPECT_EQ(yesButton(), QStringLiteral("&Ja"));
  ASSERT_TRUE(zw::ApplyQtTranslations(2));
  EXPECT_EQ(yesButton(), QStringLiteral("&Oui"));
  // English and the external languages use Qt's own texts; the earlier
  // catalogue must not stay behind.
  EXPECT_FALSE(zw::ApplyQtTranslations(1));
  EXPECT_EQ(yesButton(), QStringLiteral("&Yes"));
  EXPECT_FALSE(zw::ApplyQtTranslations(4));
  EXPECT_EQ(yesButton(), QStringLiteral("&Yes"));
}
