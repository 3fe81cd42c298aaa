#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form_types/form_description.h"
#include "toolkit/handles.h"

namespace orvanta::toolkit {

class Form;
class PictureView;

enum class Cursor { Default, HandPoint };

// One component of a form: a real child window of a standard class.
class Control {
  public:
    Control(Form& form, const forms::ComponentDescription& description, int controlId);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control();

    const forms::ComponentDescription& Description() const { return description_; }
    std::string_view Name() const { return description_.name; }
    forms::ComponentKind Kind() const { return description_.kind; }
    int Tag() const { return description_.tag; }
    HWND Handle() const { return window_; }
    int ControlId() const { return controlId_; }

    // Caption of labels, buttons and check boxes; contents of edits. Setting the text it already
    // has does nothing, so a steady label is not repainted.
    std::string Text() const;
    void SetText(std::string_view text);

    // The component's own visibility; a component on a tab page shows only while its page does.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    bool Checked() const;
    void SetChecked(bool checked);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();

    // Place and size in the form's client coordinates.
    RECT Bounds() const;
    // Moves the component up or down, or left or right, in the form's client coordinates.
    void SetTop(int top);
    void SetLeft(int left);
    // Labels that size themselves: the width their text needs, and the most they may take of it
    // (nothing: all of it). A label held short of its text ends it with an ellipsis.
    int TextWidth() const { return textWidth_; }
    void SetWidthLimit(std::optional<int> pixels);
    // Beneath every component that is not a frame, and above the frames around it.
    void SendToBack();

    // The mouse pointer over the component. A frame given one also takes the mouse, which it
    // otherwise lets through to what lies beneath.
    Cursor MouseCursor() const { return cursor_; }
    void SetCursor(Cursor cursor);
    // A hint held as data; only the description's hint shows as a tooltip.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint) { hint_ = hint; }

    // Pictures with an embedded image; nullptr for every other component.
    PictureView* Picture() const { return picture_.get(); }
    // Plays an animated picture, or stops it where it is.
    bool Animated() const;
    void SetAnimated(bool animated);

    // List boxes.
    int ItemCount() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void AddItem(std::string_view text);
    void DeleteItem(int index);
    void ClearItems();
    int ItemIndex() const;  // -1: none selected
    void SetItemIndex(int index);

    // Combo boxes with an edit box. The items offered for the text being typed: the list is filled
    // and shown open, as wide as its widest item and as tall as its items within the designed
    // height, while the text and its caret stay as the user left them. No item is marked; the first
    // arrow key marks the item `caret`.
    void OfferItems(const std::vector<std::string>& items, int caret);
    // Edits and combo boxes: the whole text selected, so that typing replaces it.
    void SelectAllText();

    // Grids: row 0 is the header row.
    int RowCount() const;
    int ColumnCount() const;
    std::string Cell(int column, int row) const;
    void SetCell(int column, int row, std::string_view text);

    // Tab controls.
    int PageIndex() const;
    void SetPageIndex(int page);

    // Colours for WM_CTLCOLORSTATIC and WM_CTLCOLORBTN; nullptr: the system's.
    HBRUSH PrepareColors(HDC dc) const;

  private:
    friend class Form;
    void Create(HWND parent);
    void FitToText();
    // dpi_change.cpp: place, size, font and glyph at the form's new resolution.
    void Rescale(int oldDpi, int newDpi);
    void ApplyVisibility();
    void ShowImage();
    // colors.cpp: the brush of its own background, and a glyph laid on new system colours.
    void ApplyLook(bool colorsChanged);
    std::string ReadItem(int index) const;
    UINT ListMessage(UINT listBoxMessage, UINT comboBoxMessage) const;
    void FitOpenList(HWND list, const std::vector<std::string>& items, bool isOpen);

    Form& form_;
    const forms::ComponentDescription& description_;
    int controlId_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    // A label's, button's or check box's caption, so that setting the same text again costs nothing.
    std::string text_;
    bool visible_;
    UniqueBrush backBrush_;
    Cursor cursor_ = Cursor::Default;
    std::string hint_;
    int textWidth_ = 0;
    // Measured with the font: a text that changes only in its digits keeps its width.
    bool digitsEquallyWide_ = false;
    std::optional<int> widthLimit_;
    std::unique_ptr<PictureView> picture_;
    UniqueImageList glyph_;
};

}  // namespace orvanta::toolkit
