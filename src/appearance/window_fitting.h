#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanta {

// A row label as the fitting sees it: its place and size in the main window's client area, and its
// own visible flag.
struct LabelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
};

struct FittingOptions {
    bool height = false;
    bool width = false;
};

// Room left below the lowest row and right of the widest text, in pixels at 96 DPI.
inline constexpr int kFitBottomMargin = 10;
inline constexpr int kFitRightMargin = 8;

struct FitMargins {
    int bottom = kFitBottomMargin;
    int right = kFitRightMargin;
};

// A dimension without a value is left as it is.
struct FittedClientSize {
    std::optional<int> width;
    std::optional<int> height;

    friend bool operator==(const FittedClientSize&, const FittedClientSize&) = default;
};

// The 22 row labels in the order the fitting visits them, which is the order the main window
// creates them in: when labels of different heights end on different lines, the last visible one
// in this order decides the height, not the lowest.
const std::vector<std::string>& FittingLabelOrder();

// The client size that fits the labels, given in FittingLabelOrder. The height is that of the last
// visible label's bottom plus the margin, and stays as it is when no label is visible; the width is
// the rightmost visible edge plus the margin, the margin alone when nothing is visible.
FittedClientSize FitClientToLabels(std::span<const LabelBox> labels, FittingOptions options, FitMargins margins = {});

// Kept between a description and the time beside it, in pixels at 96 DPI.
inline constexpr int kRowColumnGap = 4;

// Where the rows' two columns stand: the time labels' left edge, and the widest a description may
// be (nothing: every description shows whole).
struct RowColumns {
    int timeLeft = 0;
    std::optional<int> descriptionWidthLimit;

    friend bool operator==(const RowColumns&, const RowColumns&) = default;
};

// No time is hidden by its description. While every shown description ends clear of the designed
// time column, the columns stand as designed; otherwise a window that fits its width moves the time
// column past the widest description, and any other window cuts the descriptions short of it.
RowColumns LayOutRowColumns(std::span<const int> shownDescriptionWidths,
                            int descriptionLeft,
                            int designTimeLeft,
                            int gap,
                            bool fitWidth);

}  // namespace orvanta
