#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialog_test_application.h"
#include "dialogs/splash_screen.h"

namespace tavlo {
namespace {

struct LanguageCase {
  int language;
  QString caption;
  QString ok;
  QString programVersion;
};

class AboutBoxTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(AboutBoxTest, ShowsInTheLanguageInForceAndGoesAwayOnOK) {
  QPointer<TAboutBox> box = new TAboutBox(GetParam().language);
  box->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  EXPECT_EQ(box->windowTitle(), GetParam().caption);
  EXPECT_EQ(box->findChild<QLabel*>("ProductName")->text(), "Tavlo 1");
  EXPECT_EQ(box->findChild<QLabel*>("Comments")->width(), 200);
  // The build's version, the one the command line prints, in the language's words.
  EXPECT_EQ(box->findChild<QLabel*>("ProgramVersion")->text(),
            GetParam().programVersion + " " + TAVLO_VERSION);
  auto* ok = box->findChild<QPushButton*>("OKButton");
  EXPECT_EQ(ok->text(), GetParam().ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  QTest::qWait(0);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull());  // freed on close
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AboutBoxTest,
    ::testing::Values(LanguageCase{0, "About Tavlo 1", "&OK", "Program version"},
                      LanguageCase{1, "Om Tavlo 1", "&O.k.", "Programversion"},
                      LanguageCase{3, "À propos de Tavlo 1", "&OK", "Version du programme"}));

TEST(SplashScreen, WelcomesInEnglishAndFollowsTheLanguage) {
  TSplashScreen splash;
  EXPECT_EQ(splash.windowTitle(), "Welcome to Tavlo 1");
  splash.ShowNow();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.findChild<QLabel*>("LoadingLabel")->text(), ". . .  loading files");
  splash.SwitchLanguage(5);
  EXPECT_EQ(splash.windowTitle(), "Välkommen till Tavlo 1");
  EXPECT_EQ(splash.findChild<QLabel*>("LoadingLabel")->text(), ". . .  läser in filer");
}

}  // namespace
}  // namespace tavlo
