#pragma once

#include "game/board.h"

namespace quorvane {

struct Box {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const Box&) const = default;
};

// The main window's regions as designed: the client area is 518 x 414 and
// the show-time arithmetic below tightens it around the paint box.
struct WindowLayout {
  int ClientWidth = 518;
  int ClientHeight = 414;
  int AdStripHeight = 75;      // Panel1
  int ButtonStripHeight = 69;  // Panel2
  int StatusBarHeight = 19;
  int LineBand = 4;            // each etched line's band
  Box Advert{28, 4, 468, 60};  // FlexActive1, in Panel1
  Box PaintBox{0, 0, BoardWidth, BoardHeight};
  Box InnerPanel{0, 0, 405, 53};  // Panel4, in Panel2
  Box Frame;                      // Bevel5, in Panel3
  // In Panel4: the four push buttons and the four arrow buttons.
  Box NewGameButton{1, 13, 75, 25};  // Button2
  Box PauseButton{81, 13, 75, 25};   // Button3
  Box HelpButton{246, 13, 75, 25};   // Button4
  Box ExitButton{327, 13, 75, 25};   // Button1
  Box LeftArrow{163, 15, 23, 22};    // LeftSpeed
  Box UpArrow{189, 4, 23, 22};       // UpSpeed
  Box DownArrow{189, 29, 23, 22};    // DownSpeed
  Box RightArrow{215, 15, 23, 22};   // RightSpeed

  int PlayingAreaHeight() const { return ClientHeight - AdStripHeight - ButtonStripHeight - StatusBarHeight; }
  int PlayingAreaTop() const { return AdStripHeight; }
  int ButtonStripTop() const { return AdStripHeight + PlayingAreaHeight(); }
  int StatusBarTop() const { return ClientHeight - StatusBarHeight; }
};

// The layout steps run when the window is first shown.
inline WindowLayout ShowTimeLayout(WindowLayout l = {}) {
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
