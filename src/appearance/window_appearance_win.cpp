#include "appearance/window_appearance_win.h"

#include <windows.h>

#include <vector>

namespace orvanta {

void FitClientToRows(toolkit::Form& window,
                     std::span<toolkit::Control* const> labels,
                     FittingOptions options,
                     FitDirection direction) {
    if (!options.height && !options.width) {
        return;
    }
    std::vector<LabelBox> boxes;
    boxes.reserve(labels.size());
    for (const toolkit::Control* label : labels) {
        const RECT bounds = label->Bounds();
        boxes.push_back(
            {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, label->Visible()});
    }
    // The labels stand where the form's scaling put them; the margins scale the same way.
    const FittedClientSize fitted =
        FitClientToLabels(boxes, options, {window.Scale(kFitBottomMargin), window.Scale(kFitRightMargin)});
    const SIZE client = window.ClientSize();
    const bool widenOnly = direction == FitDirection::WidenOnly;
    if (fitted.width && !(widenOnly && *fitted.width <= client.cx)) {
        window.SetClientSize(*fitted.width, window.ClientSize().cy);
    }
    if (fitted.height && !(widenOnly && *fitted.height <= client.cy)) {
        window.SetClientSize(window.ClientSize().cx, *fitted.height);
    }
}

void ShowTitleBar(toolkit::Form& window, bool shown) {
    window.SetBorder(shown ? forms::BorderStyle::Sizeable : forms::BorderStyle::None);
}

void ShowMenuBar(toolkit::Form& window, bool shown, std::span<toolkit::MenuItem* const> entries) {
    // Read each time: it differs with the resolution and the system's look.
    const int menuBarHeight = GetSystemMetrics(SM_CYMENU);
    const SIZE client = window.ClientSize();
    window.SetClientSize(client.cx, shown ? client.cy + menuBarHeight : client.cy - menuBarHeight);
    for (toolkit::MenuItem* entry : entries) {
        entry->SetVisible(shown);
    }
}

}  // namespace orvanta
