#pragma once

namespace orvanta {

// Shown once, before the menus and title bar go from the normal window.
inline constexpr const char* kMenusAndTitleBarOffMessage =
    "The Menus and Title Bar will now be turned Off. This will mean that you cannot move / resize the main Window "
    "until you turn the Title Bar Back ON again.  To turn the Menus / Title Bar ON again, right-mouse click and "
    "choose the \"Menus / Title Bar On\" option.";

}  // namespace orvanta
