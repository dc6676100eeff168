#include "widgets/link_labels.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <stdexcept>

namespace quorvane {
namespace {

class RecordingOpener final : public LinkOpener {
 public:
  RecordingOpener() { SetLinkOpener(this); }
  ~RecordingOpener() override { SetLinkOpener(nullptr); }
  void OpenLink(const QString& link) override { links.push_back(link); }
  QStringList links;
};

// Runs the click handling itself and gives the error it raised, if any.
template <class Label>
struct Clickable : Label {
  std::string Error() {
    try {
      this->Click();
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    return "";
  }
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

TEST(LinkLabels, BlankValuesAreErrorsAndOthersAreHandedOnAsStored) {
  RecordingOpener opener;
  Clickable<TUrlLabel> url;
  Clickable<TEmaillabel> mail;
  QSignalSpy clicks(&url, &TLinkLabelBase::clicked);
  for (const char* blank : {"", "   ", " \t\r\n\x01"}) {
    url.SetURL(QString::fromLatin1(blank));
    EXPECT_EQ(url.Error(), "Error: Property URL not Specified") << '"' << blank << '"';
    mail.SetRecipient(QString::fromLatin1(blank));
    EXPECT_EQ(mail.Error(), "Error: Please Specify a Recipients Email Address") << '"' << blank << '"';
  }
  EXPECT_EQ(clicks.count(), 3);  // the ordinary click comes first, error or not
  EXPECT_TRUE(opener.links.isEmpty());

  url.SetURL(QStringLiteral("  https://x.example/a b\t"));
  EXPECT_EQ(url.Error(), "");
  mail.SetRecipient(QStringLiteral("help@x.example"));  // no subject: the key is still there
  EXPECT_EQ(mail.Error(), "");
  mail.SetRecipient(QStringLiteral(" a b@x.example "));
  mail.SetSubject(QStringLiteral("Bug & idea?"));
  EXPECT_EQ(mail.Error(), "");
  EXPECT_EQ(opener.links, (QStringList{"  https://x.example/a b\t", "mailto:help@x.example?subject=",
                                       "mailto: a b@x.example ?subject=Bug & idea?"}));
}

}  // namespace
}  // namespace quorvane
