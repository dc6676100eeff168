#pragma once

#include <QStringView>

namespace quorvane {

// True when a page nests its elements deeper than any page of ours does, or
// when its tags cannot be read for certain the way Qt's parser reads them.
// Qt lays out nested elements in time that grows with the square of the
// depth, and nested tables in time that doubles with each level, so such a
// page would hang or overflow the stack of the viewer showing it. The
// measure errs towards more depth: every start tag counts until its end tag,
// whether Qt would close it earlier or not, and a tag where a quote, an
// entity or a '<' could make Qt see another tag than we do is refused.
bool NestedTooDeeply(QStringView html);

}  // namespace quorvane
