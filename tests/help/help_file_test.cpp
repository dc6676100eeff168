#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QTemporaryDir>
#include <fstream>

#include "help/help_files.h"
#include "support/scoped_env.h"

namespace quorvane {
namespace {

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);

// A help engine on a collection of its own in a throw-away folder.
class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    engine_.setReadOnly(false);
    ASSERT_TRUE(engine_.setupData()) << engine_.error().toStdString();
  }
  QString Page(const QUrl& url) const { return QString::fromUtf8(engine_.fileData(url)).simplified(); }

  QTemporaryDir dir_;
  QHelpEngineCore engine_{dir_.filePath("test.qhc")};
};

TEST_F(HelpFileTest, BuiltFileHoldsTheOptionsAndPrivacyTopics) {
  ASSERT_EQ(RegisterHelpFile(engine_, kBinDir), "") << "built beside the program";
  const QUrl options = TopicForContext(engine_, 1000), privacy = TopicForContext(engine_, 1010);
  EXPECT_TRUE(options.path().endsWith("/options.html")) << options.toString().toStdString();
  EXPECT_TRUE(privacy.path().endsWith("/privacy.html")) << privacy.toString().toStdString();
  EXPECT_TRUE(Page(options).contains("Use defaults"));
  EXPECT_TRUE(Page(privacy).contains("sends nothing anywhere"));
  EXPECT_TRUE(Page(StartPage(engine_)).contains("Quorvane Sinuvar Help"));
  EXPECT_FALSE(TopicForContext(engine_, 1005).isValid());
}

TEST_F(HelpFileTest, RegistrationFollowsTheFileItFinds) {
  // The same help file seen from a build tree, then from an installed copy.
  const QString built = dir_.filePath("build"), installed = dir_.filePath("installed");
  for (const QString& folder : {built, installed}) {
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QDir(kBinDir).filePath("TOLVENIX.HLP"), QDir(folder).filePath("TOLVENIX.HLP")));
  }
  ASSERT_EQ(RegisterHelpFile(engine_, built), "");
  const QString ns = engine_.registeredDocumentations().value(0);
  EXPECT_EQ(engine_.documentationFileName(ns), QDir(built).filePath("TOLVENIX.HLP"));
  ASSERT_EQ(RegisterHelpFile(engine_, installed), "");
  EXPECT_EQ(engine_.registeredDocumentations(), QStringList{ns});
  EXPECT_EQ(engine_.documentationFileName(ns), QDir(installed).filePath("TOLVENIX.HLP"));

  // Gone: say where it was looked for, and show nothing stale.
  ASSERT_TRUE(QFile::remove(QDir(installed).filePath("TOLVENIX.HLP")));
  EXPECT_EQ(RegisterHelpFile(engine_, installed),
            QString("The help file TOLVENIX.HLP could not be found in %1.").arg(installed));
  EXPECT_FALSE(TopicForContext(engine_, 1010).isValid());

  ASSERT_TRUE(std::ofstream(QDir(installed).filePath("TOLVENIX.HLP").toStdString()) << "not a help file");
  EXPECT_EQ(RegisterHelpFile(engine_, installed),
            QString("The help file TOLVENIX.HLP in %1 could not be read.").arg(installed));
}

TEST(HelpCacheFolder, FollowsXdgCacheHomeWhenAbsolute) {
  const testing::ScopedEnv home("HOME", "/home/ada"), cache("XDG_CACHE_HOME", "/var/cache/ada");
  EXPECT_EQ(HelpCacheFolder(), "/var/cache/ada/tolvenix");
  qputenv("XDG_CACHE_HOME", "relative/cache");
  EXPECT_EQ(HelpCacheFolder(), "/home/ada/.cache/tolvenix");
  qunsetenv("XDG_CACHE_HOME");
  EXPECT_EQ(HelpCacheFolder(), "/home/ada/.cache/tolvenix");
}

}  // namespace
}  // namespace quorvane
