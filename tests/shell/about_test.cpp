#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QWindow>

#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

// Takes a message box: checks its icon and presses OK.
ModalAnswers::Action PressOk(QMessageBox::Icon icon) {
  return [icon](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), icon);
    box->button(QMessageBox::Ok)->click();
  };
}

TEST_F(WindowTest, AboutBoxClosesByOkEnterOrCloseBoxAndEachShowingHasItsOwn) {
  TForm1& form = Show();
  std::vector<QPointer<TForm5>> boxes;
  ModalAnswers answers;
  auto close = [&](std::function<void(TForm5&)> how) {
    answers.Then([&, how](QWidget* modal) {
      auto* box = qobject_cast<TForm5*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->parentWidget(), &form);
      boxes.emplace_back(box);
      how(*box);
    });
  };
  close([](TForm5& box) { QTest::mouseClick(Control<QPushButton>(box, "Button1"), Qt::LeftButton); });
  close([](TForm5& box) { QTest::keyClick(&box, Qt::Key_Return); });
  close([](TForm5& box) {
    QTest::keyClick(&box, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(box.isVisible()) << "Esc leaves the box open";
    box.windowHandle()->close();  // as the title bar's close button does
  });
  for (size_t i = 0; i < 3; ++i) {
    Control<QAction>(form, "About1")->trigger();
    ASSERT_EQ(boxes.size(), i + 1);
    EXPECT_TRUE(boxes.back().isNull()) << "box " << i << " outlived its showing";
  }
  EXPECT_EQ(answers.Seen(), std::vector<QString>(3, "About Quorvane Sinuvar"));
}

TEST_F(WindowTest, AboutBoxFailuresAreReportedAndTheBoxIsStillDestroyed) {
  FailingDialogs dialogs;
  ports_.Dialogs = &dialogs;
  TForm1& form = Show();
  ModalAnswers answers;
  answers.Then(PressOk(QMessageBox::Warning));
  answers.Then(PressOk(QMessageBox::Warning));
  dialogs.FailAt = FailingDialogs::Stage::Create;
  Control<QAction>(form, "About1")->trigger();
  dialogs.FailAt = FailingDialogs::Stage::Show;
  Control<QAction>(form, "About1")->trigger();
  EXPECT_TRUE(dialogs.Shown.isNull());
  EXPECT_EQ(answers.Seen(), (std::vector<QString>{"Quorvane Sinuvar | Could not create About dialog.",
                                                  "Quorvane Sinuvar | Could not display About dialog."}));
}

// A click on a link follows it and leaves the focus on OK, so that Enter
// then closes the box; Tab still reaches both links, and Enter follows one
// that has the focus.
TEST_F(WindowTest, AfterAClickOnALinkEnterPressesOk) {
  struct Recording final : LinkOpener {
    void OpenLink(const QString& link) override { links << link; }
    QStringList links;
  } opener;
  SetLinkOpener(&opener);
  TForm1& form = Show();
  // The main window's own activation must not arrive after the box's.
  ASSERT_TRUE(WaitUntilActive(&form));
  ModalAnswers answers;
  answers.Then([](QWidget* modal) {
    auto* box = qobject_cast<TForm5*>(modal);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(WaitUntilActive(box));
    TLinkLabelBase* url = Control<TUrlLabel>(*box, "UrlLabel1");
    TLinkLabelBase* mail = Control<TEmaillabel>(*box, "Emaillabel1");
    auto* ok = Control<QPushButton>(*box, "Button1");
    for (TLinkLabelBase* link : {url, mail}) {
      QTest::mouseClick(link, Qt::LeftButton);
      EXPECT_EQ(QApplication::focusWidget(), ok);
    }
    for (TLinkLabelBase* stop : {url, mail}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), stop);
    }
    QTest::keyClick(mail, Qt::Key_Return);
    EXPECT_TRUE(box->isVisible());
    ok->setFocus();
    QTest::mouseClick(url, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(box->isVisible()) << "Enter pressed OK";
    if (box->isVisible()) box->reject();
  });
  Control<QAction>(form, "About1")->trigger();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(opener.links.size(), 4) << opener.links.join(u' ').toStdString();
  SetLinkOpener(nullptr);
}

// The desktop's opener gets each link exactly as stored, as its one
// argument; a link it refuses, or a blank address it is not given, reaches
// the general error report.
TEST(LinkLabelErrors, TheDesktopsOpenerGetsTheLinkAsStoredAndARefusalIsReported) {
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid());
  const QString record = bin.filePath("arguments");
  const ScopedEnv path("PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));
  // As the program sets it without a session bus: the opener is not told.
  const ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress);
  const struct {
    QString url, recipient, subject;
    int status;
    QString opened, report;  // the opener's one argument ("" when not run), the box's text
  } cases[] = {
      {"", "", "", 0, "", "Quorvane Sinuvar | Error: Property URL not Specified."},
      {"  https://x.example/a b\t", "", "", 0, "  https://x.example/a b\t", ""},
      {"", " a b@x.example ", "Bug & idea?", 0, "mailto: a b@x.example ?subject=Bug & idea?", ""},
      {"https://x.example/", "", "", 4, "https://x.example/", "Quorvane Sinuvar | Unable to open https://x.example/."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opened.toStdString());
    QFile::remove(record);
    {
      // A stand-in for xdg-open: it writes its arguments, each ended by a
      // NUL, then any session bus address it was given, and ends with the
      // status given.
      QFile opener(bin.filePath("xdg-open"));
      ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
      opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$@\" \"$DBUS_SESSION_BUS_ADDRESS\" >'%1'\nexit %2\n")
                       .arg(record, QString::number(c.status))
                       .toUtf8());
      opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QWidget window;
    TLinkLabelBase* label = nullptr;
    if (c.recipient.isEmpty()) {
      label = new TUrlLabel(&window);
      label->setProperty("URL", c.url);
    } else {
      label = new TEmaillabel(&window);
      label->setProperty("Recipient", c.recipient);
      label->setProperty("Subject", c.subject);
    }
    label->setGeometry(0, 0, 100, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ModalAnswers answers;
    if (!c.report.isEmpty()) answers.Then(PressOk(QMessageBox::Critical));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([] { return qApp->findChildren<QProcess*>().isEmpty(); }, 20000)) << "the opener ended";
    QFile recorded(record);
    EXPECT_EQ(recorded.open(QIODevice::ReadOnly), !c.opened.isEmpty()) << "the opener ran";
    EXPECT_EQ(recorded.readAll(), c.opened.isEmpty() ? QByteArray() : c.opened.toUtf8() + '\0' + '\0')
        << "one argument, as stored, and no bus address";
    EXPECT_EQ(answers.Seen(), c.report.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.report});
  }
}

}  // namespace
}  // namespace quorvane::testing
