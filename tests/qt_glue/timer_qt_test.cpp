// The timer driven through the Qt dispatcher in real time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <stdexcept>

#include "qt_timer_fixture.h"

namespace quorvane {
namespace {

// Catches handler errors in notify(), where an application reports them.
class ReportingApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
      ++errorsReported;
      return false;
    }
  }
  int errorsReported = 0;
};

ReportingApplication* App() { return static_cast<ReportingApplication*>(qApp); }

using testing::QtTimer;

TEST_P(QtTimer, TicksArriveInsideAModalDialogsLoop) {
  QDialog dialog;
  std::vector<int32_t> elapsed;
  timer.SetOnTimer([&](TSuperTimer& sender) {
    elapsed.push_back(sender.Elapsed());
    if (elapsed.size() == 5) dialog.accept();
  });
  QTimer::singleShot(10000, &dialog, &QDialog::reject);
  timer.SetEnabled(true);
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  ASSERT_EQ(elapsed.size(), 5u);
  // Never early: each tick is due a full interval after the one before.
  EXPECT_GE(elapsed[0], 30);
  for (size_t i = 1; i < elapsed.size(); ++i) EXPECT_GE(elapsed[i] - elapsed[i - 1], 30) << "tick " << i;
}

TEST_P(QtTimer, HandlerErrorReachesTheApplicationAndTicksGoOn) {
  QEventLoop loop;
  int ticks = 0;
  timer.SetOnTimer([&](TSuperTimer&) {
    if (++ticks == 1) throw std::runtime_error("step failed");
    if (ticks == 3) loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  const int errorsBefore = App()->errorsReported;
  timer.SetEnabled(true);
  loop.exec();
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(App()->errorsReported - errorsBefore, 1);
}

INSTANTIATE_TEST_SUITE_P(Scheduling, QtTimer, ::testing::Bool(), testing::SchedulingName);

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  quorvane::ReportingApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
