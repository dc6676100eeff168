#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

namespace quorvane {

// Gives each control the name it has in its window's design as its Qt object
// name, so that findChild, accessibility inspectors and tests reach a control
// by the name the design uses.
inline void NameAfterDesign(std::initializer_list<std::pair<QObject*, const char*>> controls) {
  for (const auto& [control, name] : controls) control->setObjectName(QString::fromLatin1(name));
}

}  // namespace quorvane
