#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "product/product.h"
#include "support/controls.h"
#include "widgets/link_labels.h"
#include "widgets/qt_images.h"

namespace quorvane {
namespace {

using testing::Control;

TEST(AboutBox, EveryControlInItsPlace) {
  QWidget owner;
  owner.setGeometry(10, 10, 100, 100);
  TForm5 box(&owner);
  auto* label1 = Control<QLabel>(box, "Label1");
  auto* urlLabel1 = Control<TUrlLabel>(box, "UrlLabel1");
  auto* emaillabel1 = Control<TEmaillabel>(box, "Emaillabel1");
  EXPECT_EQ(box.windowTitle(), "About Quorvane Sinuvar");
  EXPECT_EQ(box.size(), QSize(363, 273));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(box.font().pixelSize(), 11);
  // Centred on the screen, not on its owner.
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((box.geometry().center() - centre).manhattanLength(), 1);

  EXPECT_EQ(Control<QFrame>(box, "Bevel3")->geometry(), QRect(17, 10, 329, 153));
  EXPECT_EQ(Control<QFrame>(box, "Bevel1")->geometry(), QRect(79, 74, 205, 81));
  EXPECT_EQ(Control<QLabel>(box, "Image1")->geometry(), QRect(81, 76, 200, 77));
  EXPECT_EQ(Control<QLabel>(box, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
            AboutLogoImage());
  EXPECT_EQ(Control<QFrame>(box, "Bevel2")->geometry(), QRect(0, 222, 365, 3));
  EXPECT_EQ(Control<QPushButton>(box, "Button1")->geometry(), QRect(144, 236, 75, 25));
  EXPECT_TRUE(Control<QPushButton>(box, "Button1")->isDefault());

  // The heading: each line as wide as its text and centred on the box.
  for (auto [label, top] :
       {std::pair{label1, 16}, {Control<QLabel>(box, "Label6"), 34}, {Control<QLabel>(box, "Label2"), 52}}) {
    EXPECT_EQ(label->y(), top);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_LE(std::abs(2 * label->x() + label->width() - 363), 1) << label->text().toStdString();
  }
  EXPECT_EQ(label1->text(), QStringLiteral("Quorvane Sinuvar v") + ProductVersion);
  EXPECT_LT(Control<QLabel>(box, "Label6")->x(),
            label1->x());  // the longer line starts further left

  // Each link just after the words that introduce it.
  const std::tuple<QLabel*, QLabel*, QPoint, QPoint> lines[] = {
      {Control<QLabel>(box, "Label3"), urlLabel1, QPoint(60, 174), QPoint(192, 174)},
      {Control<QLabel>(box, "Label4"), emaillabel1, QPoint(18, 194), QPoint(196, 194)}};
  for (auto [words, link, wordsAt, linkAt] : lines) {
    EXPECT_EQ(words->pos(), wordsAt);
    EXPECT_EQ(link->pos(), linkAt);
    EXPECT_GT(link->x(), words->geometry().right());
    EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));
  }
  EXPECT_LE(urlLabel1->geometry().right(), 363);

  // The links show and open the addresses this build was given.
  EXPECT_EQ(urlLabel1->text(), ProductWebAddress());
  EXPECT_EQ(urlLabel1->URL(), ProductWebAddress());
  EXPECT_EQ(emaillabel1->text(), SupportEmailAddress());
  EXPECT_EQ(emaillabel1->Recipient() + emaillabel1->Subject(), SupportEmailAddress());
  EXPECT_EQ(urlLabel1->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(emaillabel1->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace quorvane
