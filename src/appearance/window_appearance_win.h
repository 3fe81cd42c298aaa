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

// A title bar and sizing border, or none; left, top and client size stay.
void ShowTitleBar(toolkit::Form& window, bool shown);

// The menu bar's entries go or come back. The client height changes first, in both directions: the
// bar's line then comes or goes at the frame's expense, and the rows keep their room.
void ShowMenuBar(toolkit::Form& window, bool shown, std::span<toolkit::MenuItem* const> entries);

}  // namespace orvanta
