#pragma once

// Windows and their components as plain data: positions in pixels at 96 DPI, names, tags, captions,
// fonts, colours and the names of the event handlers. The toolkit builds real windows from these;
// the native tests check them without any window.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::forms {

enum class ComponentKind {
    Label,     // STATIC text; sizes itself to its text when autoSize is set
    Edit,      // EDIT, one line
    Button,    // BUTTON push button
    CheckBox,  // BUTTON auto check box
    ListBox,   // LISTBOX, one line per item, notifies selection changes
    UpDown,    // msctls_updown32 spin button; its buddy is the component named in `buddy`
    Tabs,      // SysTabControl32; its pages are `items`, components name their page
    Grid,      // SysListView32 in report mode: the header row and text rows
    Bevel,     // STATIC etched frame, no input
    GroupBox,  // BUTTON group box, no input
    Panel,     // STATIC with a raised or sunken edge, no input
    Picture,   // STATIC showing a system icon (named by its caption) or an embedded image (`image`)
    ComboBox,  // COMBOBOX drop-down list: one item chosen, none typed; `height` includes the open list
};

enum class BorderStyle {
    Sizeable,                 // resizable frame, title bar, system menu, minimise box, no maximise box
    Dialog,                   // fixed dialog frame with title bar and close box
    DialogWithoutSystemMenu,  // fixed dialog frame, title bar, no title-bar buttons
    None,
};

enum class Placement { Designed, ScreenCenter };

struct FontSpec {
    std::string face;  // empty: the form's font
    int height = 0;    // pixels at 96 DPI; negative: character height, as a LOGFONT height
    bool bold = false;
    bool underline = false;

    bool InheritsFormFont() const { return face.empty(); }
};

struct Color {
    enum class Kind { Default, ButtonFace, WindowText, Window, Rgb };
    Kind kind = Kind::Default;
    std::uint32_t rgb = 0;  // 0xRRGGBB, for Kind::Rgb

    static Color Default() { return {}; }
    static Color ButtonFace() { return {Kind::ButtonFace, 0}; }
    static Color WindowText() { return {Kind::WindowText, 0}; }
    static Color Window() { return {Kind::Window, 0}; }
    static Color Rgb(std::uint32_t rgb) { return {Kind::Rgb, rgb}; }
};

inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// The embedded images, by the names the resource script gives them.
inline constexpr const char* kLogoImage = "TAMSOR_LOGO";
inline constexpr const char* kBannerImage = "TAMSOR_BANNER";
inline constexpr const char* kBadgeImage = "MADE_BADGE";
inline constexpr const char* kDonateImage = "DONATE_BUTTON";
inline constexpr const char* kOkGlyphImage = "OK_GLYPH";
inline constexpr const char* kCopyGlyphImage = "COPY_GLYPH";

enum class Event {
    Click,       // button, check box, label, picture; list box, combo box: an item became selected
    UpClick,     // spin button, up arrow (or the Up key in its buddy)
    DownClick,   // spin button, down arrow
    Timer,       // a timer's tick
    Show,        // form: about to be shown
    Activate,    // form: shown modally and activated
    Close,       // form: a modal showing has ended, however the window was closed
    CloseQuery,  // form: asked whether it may close
    KeyDown,     // form with key preview: a key went down anywhere in it
};

struct EventBinding {
    Event event;
    std::string handler;
};

enum class Alignment { Left, Center, Right };

// Modal results that a button gives its form when clicked (0: none, the click runs its handler only).
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct ComponentDescription {
    ComponentKind kind = ComponentKind::Label;
    std::string name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    int tag = 0;
    bool visible = true;
    bool autoSize = false;     // labels: size to the text and the font
    bool wordWrap = false;     // labels: break lines at the width
    bool joinHyphens = false;  // labels: each run of "-" drawn as one line, an arrow's shaft
    bool mnemonic = false;     // labels: "&" underlines the next letter, which with Alt focuses the next component
    bool readOnly = false;     // edits
    bool isDefault = false;    // the push button that Enter presses
    bool transparent = false;
    bool raised = false;  // bevels: a raised box instead of an etched line
    Alignment alignment = Alignment::Left;
    ModalResult modalResult = ModalResult::None;
    FontSpec font;  // empty face: the form's font
    Color textColor;
    Color backColor;                 // Default: the form's colour
    int page = -1;                   // the page of the form's Tabs component this component sits on; -1: none
    std::string buddy;               // UpDown: the component whose arrow keys it answers
    std::string hint;                // tooltip
    std::string image;               // pictures: the embedded image, drawn to fill the bounds; buttons: the glyph
    int itemHeight = 0;              // list boxes
    std::vector<std::string> items;  // tab pages; initial list items
    std::vector<int> columnWidths;   // grids: one entry a column
    int rowCount = 0;                // grids: rows below the header row
    std::vector<EventBinding> events;
};

inline ComponentDescription MakeComponent(ComponentKind kind,
                                          std::string name,
                                          int left,
                                          int top,
                                          int width,
                                          int height,
                                          std::string caption = {}) {
    ComponentDescription component;
    component.kind = kind;
    component.name = std::move(name);
    component.left = left;
    component.top = top;
    component.width = width;
    component.height = height;
    component.caption = std::move(caption);
    return component;
}

// A label that sizes itself to its caption.
inline ComponentDescription MakeLabel(std::string name, int left, int top, std::string caption) {
    ComponentDescription label =
        MakeComponent(ComponentKind::Label, std::move(name), left, top, 0, 0, std::move(caption));
    label.autoSize = true;
    return label;
}

struct MenuItemDescription {
    std::string name;
    std::string caption;  // "-" draws a separator line
    std::string onClick;  // handler name; empty: none
    bool checked = false;
    bool visible = true;
    std::vector<MenuItemDescription> items;  // a sub-menu when not empty

    bool IsSeparator() const { return caption == "-"; }
};

struct TimerDescription {
    std::string name;
    unsigned interval = 1000;  // milliseconds
    bool enabled = true;
    std::string onTimer;
};

struct FormDescription {
    std::string className;  // the registered window class, e.g. "TMainForm1"
    std::string name;
    std::string caption;
    BorderStyle border = BorderStyle::Dialog;
    Placement placement = Placement::Designed;
    int left = 0;
    int top = 0;
    // The designed size: the outer size when both are set, otherwise the client size below.
    int width = 0;
    int height = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    FontSpec font{"MS Sans Serif", -11};
    Color color = Color::ButtonFace();
    bool keyPreview = false;
    // The modal result of the close box and of Escape.
    ModalResult cancelResult = ModalResult::Cancel;
    std::string activeControl;  // the component that has the focus when the form first opens
    std::vector<ComponentDescription> components;
    std::string mainMenuName;
    std::vector<MenuItemDescription> mainMenu;  // the top-level entries of the menu bar
    std::string popupMenuName;
    std::vector<MenuItemDescription> popupMenu;
    std::vector<TimerDescription> timers;
    std::vector<EventBinding> events;  // Show, Activate, CloseQuery, KeyDown
};

// Child-window identifiers follow the description's order from kFirstControlId, so that programs
// driving a window from outside find a component by its name. -1 when there is no such component.
inline constexpr int kFirstControlId = 100;
int ControlIdOf(const FormDescription& form, std::string_view componentName);

// The command identifiers of the menu bar's entries, given out depth first from
// kFirstMainMenuCommandId, so that programs driving a window from outside can choose an entry by
// its name. -1 when there is no such entry.
inline constexpr int kFirstMainMenuCommandId = 1000;
int MainMenuCommandIdOf(const FormDescription& form, std::string_view entryName);

}  // namespace orvanta::forms
