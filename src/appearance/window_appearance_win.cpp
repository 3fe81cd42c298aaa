#include "appearance/window_appearance_win.h"

#include <windows.h>

#include <algorithm>
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

void ShowWindowFrame(toolkit::Form& window,
                     bool titleBar,
                     bool menuBar,
                     std::span<toolkit::MenuItem* const> entries) {
    const auto border = titleBar ? forms::BorderStyle::Sizeable : forms::BorderStyle::None;
    const bool hasTitleBar = (GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION) != 0;
    const bool borderChanges = hasTitleBar != titleBar;
    const bool menuBarChanges =
        std::any_of(entries.begin(), entries.end(), [menuBar](const auto* entry) { return entry->Visible() != menuBar; });
    if (!borderChanges && !menuBarChanges) {
        return;
    }
    const SIZE client = window.ClientSize();
    // The menu bar first, so that whoever looks from outside never sees a strip that still has one.
    for (toolkit::MenuItem* entry : entries) {
        entry->SetVisible(menuBar);
    }
    if (borderChanges) {
        window.SetBorder(border);
    }
    window.SetClientSize(client.cx, client.cy);
}

}  // namespace orvanta
