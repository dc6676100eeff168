#include "banner/flex_active.h"

#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QResizeEvent>

#include "banner/banner_password.h"
#include "banner/flex_active_interfaces.h"
#include "banner/flex_block.h"
#include "product/product.h"

namespace quorvane {

namespace {

// The class identifier a plugin announces, without loading it.
QString ClassIdOf(const QPluginLoader& loader) {
  return loader.metaData()
      .value(QStringLiteral("MetaData"))
      .toObject()
      .value(QLatin1String(FlexActiveClassIdKey))
      .toString();
}

bool IsFlexActive(const QString& classId) {
  return classId.compare(QLatin1String(FlexActiveClassId), Qt::CaseInsensitive) == 0;
}

}  // namespace

TFlexActive::TFlexActive(const std::filesystem::path& pluginFolder, std::span<const std::byte> persisted,
                         QWidget* parent)
    : TFlexActive(parent) {
  CreateControl(pluginFolder, persisted);
}

TFlexActive::TFlexActive(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("FlexActive1")); }

void TFlexActive::CreateControl(const std::filesystem::path& pluginFolder, std::span<const std::byte> persisted) {
  if (control_ || pluginFolder.empty()) return;
  const QDir folder(QString::fromStdString(pluginFolder.string()));
  const QStringList names = folder.entryList(QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& name : names) {
    const QString path = folder.absoluteFilePath(name);
    if (!QLibrary::isLibrary(path)) continue;
    // The loader is only destroyed, never unloaded: the control's code must
    // stay mapped as long as its window lives.
    QPluginLoader loader(path);
    if (!IsFlexActive(ClassIdOf(loader))) continue;
    auto* factory = qobject_cast<IFlexActiveFactory*>(loader.instance());
    if (!factory) continue;
    QObject* made = factory->CreateControl(this);
    auto* control = qobject_cast<IFlexActive*>(made);
    if (!control || !control->Widget() || !control->Load(persisted)) {
      delete made;
      continue;
    }
    control_ = control->Widget();
    control_->setGeometry(rect());
    control_->show();
    return;
  }
}

void TFlexActive::resizeEvent(QResizeEvent* event) {
  if (control_) control_->setGeometry(QRect(QPoint(), event->size()));
  QWidget::resizeEvent(event);
}

std::vector<std::byte> FlexActive1Block() {
  FlexBlock block;
  block.Version = FlexBlockVersion;
  block.WidthHimetric = 12383;  // 468 pixels
  block.HeightHimetric = 1588;  // 60 pixels
  block.State = {0x00, 0x00, 0x00, 0x05};
  block.Application = QString::fromLatin1(StudioName).toStdU16String();
  block.Password = std::u16string(BannerPassword);
  block.Rest = {0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01};
  return WriteFlexBlock(block);
}

}  // namespace quorvane
