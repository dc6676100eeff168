#include "widgets/link_labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <stdexcept>
#include <string_view>

namespace quorvane {
namespace {

using ::testing::ThrowsMessage;

class RecordingOpener final : public LinkOpener {
 public:
  RecordingOpener() { SetLinkOpener(this); }
  ~RecordingOpener() override { SetLinkOpener(nullptr); }
  void OpenLink(const QString& link) override { links.push_back(link); }
  QStringList links;
};

TEST(LinkLabels, BlueUnderlinedPropertiesAndWhatCountsAsAClick) {
  QWidget window;
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  window.setFont(font);
  auto* url = new TUrlLabel(&window);
  auto* mail = new TEmaillabel(&window);
  for (QLabel* label : {static_cast<QLabel*>(url), static_cast<QLabel*>(mail)}) {
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->font().pixelSize(), 11);  // the rest of the font comes from the window
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor));
  }
  EXPECT_LT(mail->metaObject()->indexOfProperty("Subject"), mail->metaObject()->indexOfProperty("Recipient"));
  ASSERT_TRUE(url->setProperty("URL", QStringLiteral("https://x.example/")));

  RecordingOpener opener;
  url->setGeometry(0, 0, 80, 14);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QSignalSpy clicks(url, &TLinkLabelBase::clicked);
  QTest::mouseClick(url, Qt::RightButton);
  QTest::mousePress(url, Qt::LeftButton);
  QTest::mouseRelease(url, Qt::LeftButton, {}, QPoint(120, 5));  // let go off the label
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(url, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(opener.links, QStringList{"https://x.example/"});

  // From the keyboard and for screen readers: a Tab stop that Space and
  // Enter follow, announced as a link that can be pressed.
  EXPECT_TRUE(url->focusPolicy() & Qt::TabFocus);
  url->setText(QStringLiteral("x.example"));
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A}) QTest::keyClick(url, key);
  // A held key follows once: its repeats are taken, and reach no default
  // button either.
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(url, &repeat);
    EXPECT_TRUE(repeat.isAccepted()) << key;
  }
  EXPECT_EQ(clicks.count(), 3);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(url);
  EXPECT_EQ(face->role(), QAccessible::Link);
  EXPECT_EQ(face->text(QAccessible::Name), url->text());
  face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 4; }, 2000));
}

// A link is followed on a press only when the press that last followed it
// was let go, wherever its release went: a busy X server may leave a held
// key's repeats unmarked, and the error box a failing link brings up takes
// the release.
TEST(LinkLabels, AHeldKeyFollowsTheLinkOnce) {
  // Each letter one key event to the link: Return pressed (P) and let go
  // (R); the same marked as repeats (p, r); Return let go over the error box
  // (E); Space pressed and let go (S, s); Enter pressed (N).
  const struct {
    const char* keys;
    int followed;
  } cases[] = {{"PRPR", 2}, {"PPPPR", 1}, {"PrpP", 1}, {"PEP", 2}, {"PSsP", 1}, {"SsN", 2}};
  RecordingOpener opener;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    TUrlLabel url;
    url.SetURL(QStringLiteral("https://x.example/"));
    QWidget errorBox;
    QSignalSpy clicks(&url, &TLinkLabelBase::clicked);
    for (const char letter : std::string_view(c.keys)) {
      const Qt::Key key = letter == 'S' || letter == 's' ? Qt::Key_Space
                          : letter == 'N'                ? Qt::Key_Enter
                                                         : Qt::Key_Return;
      QKeyEvent event(QString("PpSN").contains(letter) ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier,
                      QString(), letter == 'p' || letter == 'r');
      QApplication::sendEvent(letter == 'E' ? &errorBox : static_cast<QWidget*>(&url), &event);
    }
    EXPECT_EQ(clicks.count(), c.followed);
  }
}

TEST(LinkLabels, BlankValuesAreErrorsAndOthersAreHandedOnAsStored) {
  RecordingOpener opener;
  TUrlLabel url;
  TEmaillabel mail;
  QSignalSpy clicks(&url, &TLinkLabelBase::clicked);
  for (const char* blank : {"", "   ", " \t\r\n\x01"}) {
    url.SetURL(QString::fromLatin1(blank));
    EXPECT_THAT([&] { url.Activate(); }, ThrowsMessage<std::runtime_error>("Error: Property URL not Specified"))
        << '"' << blank << '"';
    mail.SetRecipient(QString::fromLatin1(blank));
    EXPECT_THAT([&] { mail.Activate(); },
                ThrowsMessage<std::runtime_error>("Error: Please Specify a Recipients Email Address"))
        << '"' << blank << '"';
  }
  EXPECT_EQ(clicks.count(), 3);  // the ordinary click comes first, error or not
  EXPECT_TRUE(opener.links.isEmpty());

  url.SetURL(QStringLiteral("  https://x.example/a b\t"));
  EXPECT_NO_THROW(url.Activate());
  mail.SetRecipient(QStringLiteral("help@x.example"));  // no subject: the key is still there
  EXPECT_NO_THROW(mail.Activate());
  mail.SetRecipient(QStringLiteral(" a b@x.example "));
  mail.SetSubject(QStringLiteral("Bug & idea?"));
  EXPECT_NO_THROW(mail.Activate());
  EXPECT_EQ(opener.links, (QStringList{"  https://x.example/a b\t", "mailto:help@x.example?subject=",
                                       "mailto: a b@x.example ?subject=Bug & idea?"}));
}

}  // namespace
}  // namespace quorvane
