#include "dialogs/about_box.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "product/product.h"
#include "support/controls.h"
#include "widgets/link_labels.h"
#include "widgets/qt_images.h"

namespace quorvane::testing {
namespace {

TEST(AboutBox, EveryControlInItsPlace) {
  QWidget owner;
  owner.setGeometry(10, 10, 100, 100);
  TForm5 box(&owner);
  auto* label1 = Control<QLabel>(box, "Label1");
  auto* urlLabel1 = Control<TUrlLabel>(box, "UrlLabel1");
  auto* emaillabel1 = Control<TEmaillabel>(box, "Emaillabel1");
  EXPECT_EQ(std::tuple(box.windowTitle(), box.size(), box.font().pixelSize()),
            std::tuple("About Quorvane Sinuvar", QSize(363, 273), 11));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  // Centred on the screen, not on its owner.
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((box.geometry().center() - centre).manhattanLength(), 1);

  EXPECT_THAT(Read(box, {"Bevel3", "Bevel1", "Image1", "Bevel2", "Button1"}, &QWidget::geometry),
              ::testing::ElementsAre(QRect(17, 10, 329, 153), QRect(79, 74, 205, 81), QRect(81, 76, 200, 77),
                                     QRect(0, 222, 365, 3), QRect(144, 236, 75, 25)));
  EXPECT_EQ(Control<QLabel>(box, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
            AboutLogoImage());
  EXPECT_TRUE(Control<QPushButton>(box, "Button1")->isDefault());

  // The heading: each line as wide as its text and centred on the box.
  for (auto [label, top] :
       {std::pair{label1, 16}, {Control<QLabel>(box, "Label6"), 34}, {Control<QLabel>(box, "Label2"), 52}}) {
    EXPECT_EQ(label->y(), top);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_LE(std::abs(2 * label->x() + label->width() - 363), 1) << label->text().toStdString();
  }
  EXPECT_EQ(label1->text(), QStringLiteral("Quorvane Sinuvar v") + ProductVersion);
  EXPECT_LT(Control<QLabel>(box, "Label6")->x(), label1->x()) << "the longer line starts further left";

  // Each link just after the words that introduce it, showing the address
  // this build was given, under a pointing hand.
  const std::tuple<QLabel*, QLabel*, QPoint, QPoint, QString> lines[] = {
      {Control<QLabel>(box, "Label3"), urlLabel1, QPoint(60, 174), QPoint(192, 174), ProductWebAddress()},
      {Control<QLabel>(box, "Label4"), emaillabel1, QPoint(18, 194), QPoint(196, 194), SupportEmailAddress()}};
  for (auto [words, link, wordsAt, linkAt, address] : lines) {
    EXPECT_EQ(std::pair(words->pos(), link->pos()), std::pair(wordsAt, linkAt));
    EXPECT_GT(link->x(), words->geometry().right());
    EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));
    EXPECT_EQ(std::pair(link->text(), link->cursor().shape()), std::pair(address, Qt::PointingHandCursor));
  }
  EXPECT_LE(urlLabel1->geometry().right(), 363);
  // And open it.
  EXPECT_EQ(urlLabel1->URL(), ProductWebAddress());
  EXPECT_EQ(emaillabel1->Recipient() + emaillabel1->Subject(), SupportEmailAddress());
}

}  // namespace
}  // namespace quorvane::testing
