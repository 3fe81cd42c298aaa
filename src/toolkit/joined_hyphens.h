#pragma once

#include <windows.h>

#include <string>

namespace orvanta::toolkit {

// Paints a label's own text with each run of hyphens as one unbroken line, carried on into a ">"
// that follows it up to the arrow's tip: a large "-->" then reads as one arrow, as a bitmap face
// scaled by whole multiples draws it, where a scalable face leaves gaps between the hyphens. The
// label stays a STATIC with its caption, so screen readers still read it.
void PaintHyphensJoined(HWND label);

// The width such a label's text takes in the font selected into the dc: each character as far as
// its ink reaches, so the arrow is as compact as the scaled bitmap face draws it.
int JoinedHyphensWidth(HDC dc, const std::wstring& text);

}  // namespace orvanta::toolkit
