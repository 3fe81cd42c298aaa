#pragma once

#include <span>

#include "appearance/window_fitting.h"
#include "toolkit/form.h"

namespace orvanta {

// How the main window's frame changes: fitted to its rows, with or without its title bar and
// menu bar. When each happens is the main window's business.

enum class FitDirection { Both, WidenOnly };

// Fits the client area to the labels, given in the order the fitting visits them, as far as the
// options ask; the width first, since a narrower window can wrap its menu bar. WidenOnly leaves a
// client that is already large enough as it is.
void FitClientToRows(toolkit::Form& window,
                     std::span<toolkit::Control* const> labels,
                     FittingOptions options,
                     FitDirection direction = FitDirection::Both);

// A title bar and sizing border or none, and the menu bar's entries or none, in one go. Left, top
// and client size stay, so the rows keep their room; nothing happens when the frame is already so.
void ShowWindowFrame(toolkit::Form& window,
                     bool titleBar,
                     bool menuBar,
                     std::span<toolkit::MenuItem* const> entries);

}  // namespace orvanta
