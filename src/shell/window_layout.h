#pragma once

namespace quorvane {

struct Box {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const Box&) const = default;
};

// The main window's regions: as the design places them (the client area is
// 518 x 414 there) and as the show-time arithmetic below tightens them
// around the paint box.
struct WindowLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int AdStripHeight = 0;      // Panel1
  int ButtonStripHeight = 0;  // Panel2
  int StatusBarHeight = 0;    // StatusBar1
  int LineBand = 0;           // each etched line's band
  Box Advert;                 // FlexActive1, in Panel1
  Box PaintBox;               // PaintBox1, in Panel3
  Box InnerPanel;             // Panel4, in Panel2
  Box Frame;                  // Bevel5, in Panel3

  int PlayingAreaHeight() const { return ClientHeight - AdStripHeight - ButtonStripHeight - StatusBarHeight; }
  int PlayingAreaTop() const { return AdStripHeight; }
  int ButtonStripTop() const { return AdStripHeight + PlayingAreaHeight(); }
  int StatusBarTop() const { return ClientHeight - StatusBarHeight; }
};

// The layout steps run when the window is first shown.
inline WindowLayout ShowTimeLayout(WindowLayout l) {
  l.Advert.Left = (l.ClientWidth - l.Advert.Width) / 2;
  l.Advert.Top = (l.AdStripHeight - l.Advert.Height) / 2;
  l.PaintBox.Left = (l.ClientWidth - l.PaintBox.Width) / 2;
  l.InnerPanel.Left = l.PaintBox.Left - 1;
  l.ButtonStripHeight = l.InnerPanel.Height + 2 * l.LineBand;
  l.InnerPanel.Top = l.LineBand;
  if (l.PlayingAreaHeight() > l.PaintBox.Height) l.ClientHeight -= l.PlayingAreaHeight() - l.PaintBox.Height - 6;
  l.PaintBox.Top = (l.PlayingAreaHeight() - l.PaintBox.Height) / 2;
  l.Frame = {l.PaintBox.Left - 3, l.PaintBox.Top - 3, l.PaintBox.Width + 6, l.PaintBox.Height + 6};
  return l;
}

}  // namespace quorvane
