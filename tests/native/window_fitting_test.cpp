#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "appearance/window_fitting.h"
#include "forms/main_form.h"

namespace orvanta {
namespace {

constexpr int kDescriptionHeight = 17;
constexpr int kTimeHeight = 26;
constexpr int kTimeWidth = 80;

// The 22 labels in visiting order, laid out as the window lays them out; rows 0 to lastRow visible.
std::vector<LabelBox> Rows(int lastRow, int descriptionWidth = 50) {
    std::vector<LabelBox> boxes;
    for (const std::string& name : FittingLabelOrder()) {
        const bool time = name.starts_with(forms::kRowTimePrefix);
        const int row = std::stoi(name.substr(name.find_last_of('_') + 1));
        boxes.push_back(time ? LabelBox{104, 4 + 32 * row, kTimeWidth, kTimeHeight, row <= lastRow}
                             : LabelBox{8, 8 + 32 * row, descriptionWidth, kDescriptionHeight, row <= lastRow});
    }
    return boxes;
}

LabelBox& Box(std::vector<LabelBox>& boxes, const std::string& name) {
    const auto& order = FittingLabelOrder();
    return boxes[static_cast<std::size_t>(std::find(order.begin(), order.end(), name) - order.begin())];
}

struct FitCase {
    const char* name;
    std::vector<LabelBox> labels;
    FittingOptions options;
    FittedClientSize expected;
};

std::vector<FitCase> Cases() {
    std::vector<FitCase> cases{
        {"both options off", Rows(3), {false, false}, {}},
        {"width only", Rows(3), {false, true}, {104 + kTimeWidth + 8, std::nullopt}},
        {"height only", Rows(3), {true, false}, {std::nullopt, 40 + 32 * 3}},
        {"current location alone", Rows(0), {true, true}, {192, 40}},
        {"all eleven rows", Rows(10), {true, true}, {192, 360}},
        {"no label visible", Rows(-1), {true, true}, {8, std::nullopt}},
        {"a name wider than the description column", Rows(2, 250), {true, true}, {8 + 250 + 8, 40 + 32 * 2}},
    };

    // A taller description label on row 1 ends lower than row 1's time label, but the time label is
    // visited after it: the last visible label in the order decides, not the lowest.
    std::vector<LabelBox> tallName = Rows(1);
    Box(tallName, "Other_Location_Label_1").height = 40;
    cases.push_back({"the visiting order decides the height", tallName, {true, false}, {std::nullopt, 36 + 26 + 10}});

    return cases;
}

TEST(WindowFittingTest, FitsTheClientToTheVisibleLabels) {
    for (const FitCase& c : Cases()) {
        const FittedClientSize fitted = FitClientToLabels(c.labels, c.options);
        EXPECT_EQ(fitted.width, c.expected.width) << c.name;
        EXPECT_EQ(fitted.height, c.expected.height) << c.name;
    }
}

TEST(WindowFittingTest, TheOrderIsTheOrderTheMainWindowCreatesItsLabels) {
    std::vector<std::string> created;
    for (const auto& component : forms::MainForm1Description().components) {
        if (component.name.starts_with(forms::kRowLabelPrefix)) {
            created.emplace_back(component.name);
        }
    }
    EXPECT_EQ(created, FittingLabelOrder());
    EXPECT_EQ(FittingLabelOrder().size(), 22u);
}

// Descriptions that end clear of the time column leave the design as it is; a longer one moves the
// column past it when the width is fitted, and is cut short of it otherwise (96 DPI, then 144).
TEST(RowColumnsTest, NoDescriptionEverReachesItsTime) {
    const struct {
        std::vector<int> widths;
        int left, designTimeLeft, gap;
        bool fitWidth;
        RowColumns expected;
    } cases[] = {
        {{}, 8, 104, 4, true, {104, std::nullopt}},
        {{40, 92}, 8, 104, 4, false, {104, std::nullopt}},
        {{40, 93}, 8, 104, 4, true, {105, std::nullopt}},
        {{300, 20}, 8, 104, 4, true, {312, std::nullopt}},
        {{300, 20}, 8, 104, 4, false, {104, 92}},
        {{138}, 12, 156, 6, false, {156, std::nullopt}},
        {{139}, 12, 156, 6, false, {156, 138}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LayOutRowColumns(c.widths, c.left, c.designTimeLeft, c.gap, c.fitWidth), c.expected)
            << c.widths.size() << " widths, fit " << c.fitWidth;
    }
}

}  // namespace
}  // namespace orvanta
