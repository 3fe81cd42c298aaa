#pragma once

#include <cstdint>

#include "ports/system_preferences.h"

namespace orvanta {

// How a window paints itself: with its designed colours, dark, or only with the colours of the
// user's high-contrast theme.
enum class LookMode : std::uint8_t { Normal, Dark, HighContrast };

// High contrast wins over dark. Only a window that follows the dark theme goes dark, and only
// where Windows 10 or later says that apps use it; a missing setting keeps the designed look.
LookMode DecideLookMode(const LookPreferences& preferences, bool followsDarkTheme);

enum class SystemColor : std::uint8_t { ButtonFace, Window, WindowText, HotLight };

// A colour as a window paints it: one of the system's, or a fixed 0xRRGGBB.
struct Paint {
    bool isSystem = true;
    SystemColor system = SystemColor::ButtonFace;
    std::uint32_t rgb = 0;

    static constexpr Paint System(SystemColor color) { return {true, color, 0}; }
    static constexpr Paint Rgb(std::uint32_t rgb) { return {false, SystemColor::ButtonFace, rgb}; }
    friend constexpr bool operator==(const Paint&, const Paint&) = default;
};

// What a colour paints: a window's or a component's background, text, or the text of a link
// (which its underline tells apart as well).
enum class ColorRole : std::uint8_t { Background, Text, LinkText };

inline constexpr std::uint32_t kDarkBackground = 0x202020;
inline constexpr std::uint32_t kDarkText = 0xFFFFFF;

// The colour to paint for a designed one. High contrast leaves only the theme's own pairs:
// window background, window text and link colour. Dark turns the designed system colours dark
// and light and keeps fixed colours, so the times stay red on black.
Paint LookColor(LookMode mode, ColorRole role, Paint designed);

}  // namespace orvanta
