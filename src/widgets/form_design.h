#pragma once

class QWidget;

namespace quorvane {

// What a window's Designer file cannot say itself, finished after setupUi:
// - a widget with the property fontPixelSize gets its font at that height in
//   pixels (the designs give heights in pixels, Designer only points);
// - a label with the property autoSize (true, or "centred") is made as large
//   as its text, the way the designs size their captions: it keeps its
//   designed left edge, or with "centred" its designed centre;
// - a widget with the property afterCaption (a label's object name) starts
//   a space after that label's words where they run past its designed left;
// - a label's buddy is known to screen readers by the label's caption.
// Run it again after the texts change.
void FinishDesign(QWidget& form);

}  // namespace quorvane
