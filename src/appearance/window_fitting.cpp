#include "appearance/window_fitting.h"

#include <algorithm>

#include "forms/main_form.h"

namespace orvanta {

const std::vector<std::string>& FittingLabelOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> names;
        // Descriptions and times alternate in groups of rows: 0-1, 2-5, 6-10.
        for (const auto& [first, last] : {std::pair{0, 1}, std::pair{2, 5}, std::pair{6, 10}}) {
            for (const char* prefix : {forms::kRowDescriptionPrefix, forms::kRowTimePrefix}) {
                for (int row = first; row <= last; ++row) {
                    names.push_back(prefix + std::to_string(row));
                }
            }
        }
        return names;
    }();
    return order;
}

FittedClientSize FitClientToLabels(std::span<const LabelBox> labels, FittingOptions options, FitMargins margins) {
    FittedClientSize fitted;
    if (!options.height && !options.width) {
        return fitted;
    }
    int rightmost = 0;
    for (const LabelBox& label : labels) {
        if (!label.visible) {
            continue;
        }
        if (options.height) {
            fitted.height = label.top + label.height + margins.bottom;
        }
        rightmost = std::max(rightmost, label.left + label.width);
    }
    if (options.width) {
        fitted.width = rightmost + margins.right;
    }
    return fitted;
}

RowColumns LayOutRowColumns(std::span<const int> shownDescriptionWidths,
                            int descriptionLeft,
                            int designTimeLeft,
                            int gap,
                            bool fitWidth) {
    int widest = 0;
    for (const int width : shownDescriptionWidths) {
        widest = std::max(widest, width);
    }
    const int rightmost = descriptionLeft + widest;
    if (rightmost + gap <= designTimeLeft) {
        return {designTimeLeft, std::nullopt};
    }
    if (fitWidth) {
        return {rightmost + gap, std::nullopt};
    }
    return {designTimeLeft, std::max(designTimeLeft - gap - descriptionLeft, 0)};
}

}  // namespace orvanta
