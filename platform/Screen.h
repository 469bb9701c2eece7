#pragma once

// The screen as the window's layout sees it: sizes in twips (1/1440 inch, through the
// screen's logical dpi), and the one application-wide mouse pointer.
namespace Screen {

constexpr int kPointerDefault = 0;
constexpr int kPointerSizeWE = 9; // west-east double arrow

float TwipsPerPixelX();
float TwipsPerPixelY();
float Width();  // twips
float Height(); // twips

// 0 default pointer, 9 west-east arrow. Keeps at most one override of its own on
// Qt's cursor stack and removes it exactly once.
void setMousePointer(int pointer);
int MousePointer();

} // namespace Screen
