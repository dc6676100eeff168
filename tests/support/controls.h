#pragma once

#include <QObject>
#include <stdexcept>
#include <string>

namespace quorvane::testing {

// A window's control by the name it has in the window's design. Throws when
// there is none, which fails the test that asked.
template <class T>
T* Control(const QObject& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) throw std::logic_error(std::string("no control named ") + name);
  return control;
}

}  // namespace quorvane::testing
