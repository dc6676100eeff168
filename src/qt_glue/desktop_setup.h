#pragma once

#include <QString>

namespace quorvane {

// The faces the windows ask for by name, and the free faces that stand in
// for them. The windows keep asking for "MS Sans Serif" and "Arial"; the
// substitution below decides, on every machine alike, what is drawn.
inline const QString DesignedSansFamily = QStringLiteral("MS Sans Serif");
inline const QString DesignedIntroFamily = QStringLiteral("Arial");
// GNU FreeFont's sans (Debian fonts-freefont-ttf): at 11 pixels its captions
// come within a pixel or two of the room the layouts leave them.
inline const QString SansStandIn = QStringLiteral("FreeSans");
// Metric-compatible with Arial (Debian fonts-liberation2).
inline const QString IntroStandIn = QStringLiteral("Liberation Sans");
// The Chinese glyphs both lack: WenQuanYi Micro Hei (Debian
// fonts-wqy-microhei), hinted for the screen and clear at 11 pixels. Each
// stand-in falls back to it glyph by glyph, rather than to whatever face
// the system offers or to boxes.
inline const QString CjkStandIn = QStringLiteral("WenQuanYi Micro Hei");

// Run before the application object is made, by the program and by every
// test program that shows the game's windows:
// - a fractional screen scale is rounded to a whole one, so the pixel
//   layout and the tiles scale by a whole number;
// - "MS Sans Serif" and "Arial" are mapped to their stand-ins, and then to
//   the Chinese one.
void PrepareDesktop();

}  // namespace quorvane
