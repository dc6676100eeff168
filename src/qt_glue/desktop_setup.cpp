#include "qt_glue/desktop_setup.h"

#include <QFont>
#include <QGuiApplication>

namespace quorvane {

void PrepareDesktop() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  // Replacing rather than adding, so that running this twice changes nothing.
  QFont::removeSubstitutions(DesignedSansFamily);
  QFont::insertSubstitutions(DesignedSansFamily, {SansStandIn, CjkStandIn});
  QFont::removeSubstitutions(DesignedIntroFamily);
  QFont::insertSubstitutions(DesignedIntroFamily, {IntroStandIn, CjkStandIn});
}

}  // namespace quorvane
