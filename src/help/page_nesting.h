#pragma once

#include <QStringView>

namespace quorvane {

// True when a page nests its elements deeper than any page of ours does.
// Qt lays out nested elements in time that grows with the square of the
// depth, and nested tables in time that doubles with each level, so such a
// page would hang or overflow the stack of the window showing it. The
// measure errs towards more depth: every start tag counts until its end tag,
// whether Qt would close it earlier or not.
bool NestedTooDeeply(QStringView html);

}  // namespace quorvane
