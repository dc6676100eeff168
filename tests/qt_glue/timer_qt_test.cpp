// The timer driven through the Qt dispatcher in real time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <stdexcept>
#include <vector>

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

using testing::QtTimer;

TEST_P(QtTimer, TicksArriveInsideAModalDialogsLoop) {
  QDialog dialog;
  std::vector<int32_t> elapsed;
  std::vector<int32_t> lateness;  // ms from each tick's due time to its handler
  uint32_t due = 0;
  timer.SetOnTimer([&](TSuperTimer& sender) {
    lateness.push_back(static_cast<int32_t>(clock.Now() - due));
    due = sender.DueTime();
    elapsed.push_back(sender.Elapsed());
    if (elapsed.size() == 7) dialog.accept();
  });
  QTimer::singleShot(10000, &dialog, &QDialog::reject);
  timer.SetEnabled(true);
  due = timer.DueTime();
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  ASSERT_EQ(elapsed.size(), 7u);
  // Never early: each tick is due a full interval after the one before.
  EXPECT_GE(elapsed[0], 30);
  for (size_t i = 1; i < elapsed.size(); ++i) EXPECT_GE(elapsed[i] - elapsed[i - 1], 30) << "tick " << i;
  // Nor late by an interval, as a rule: a busy machine may hold up a tick
  // or three of the seven, never most of them.
  std::sort(lateness.begin(), lateness.end());
  EXPECT_LT(lateness[3], 30) << "median lateness";
}

TEST_P(QtTimer, HandlerErrorReachesTheApplicationAndTicksGoOn) {
  QEventLoop loop;
  int ticks = 0;
  timer.SetOnTimer([&](TSuperTimer&) {
    if (++ticks == 1) throw std::runtime_error("step failed");
    if (ticks == 3) loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  const int errorsBefore = static_cast<ReportingApplication*>(qApp)->errorsReported;
  timer.SetEnabled(true);
  loop.exec();
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(static_cast<ReportingApplication*>(qApp)->errorsReported - errorsBefore, 1);
}

INSTANTIATE_TEST_SUITE_P(Scheduling, QtTimer, testing::kQtTimerSetups, testing::QtTimerSetupName);

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  quorvane::ReportingApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
