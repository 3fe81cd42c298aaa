#pragma once

// Windows and their components as plain data: positions in pixels at 96 DPI, names, tags, captions,
// fonts, colours and the names of the event handlers. The toolkit builds real windows from these;
// the native tests check them without any window.
//
// A form's description is constant data: `constexpr` arrays of literal types (string views, spans of
// other constant arrays, enums), so the exe carries it as read-only bytes rather than as code that
// builds it. Nothing here owns memory; a description made at run time (the message dialog) keeps
// the strings and arrays it points at alive for as long as its window lives.
//
// To add
// - a component: one aggregate in the form's components array, fields named in the order they are
//   declared below, e.g. {.kind = ComponentKind::Button, .name = "Go_Button", .left = 8, .top = 8,
//   .width = 75, .height = 23, .caption = "Go", .events = {{Event::Click, "Go_ButtonClick"}}}.
//   Its place in the array is its control id and its tab order. A hint becomes its tooltip; list
//   items, tab pages and grid columns are spans of constant arrays declared before the form.
// - a kind of component: an enumerator below and its row in toolkit/component_kinds.cpp.
// - a menu entry: one item in its menu's array ({.name, .caption, .onClick}); a sub-menu is a span
//   of another array, declared before it. Command ids follow the depth-first order.
// - a window: a `constexpr FormDescription` in forms/ with its arrays, and a form class whose
//   handler table names every handler the description names.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace orvanta::forms {

enum class ComponentKind : std::uint8_t {
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
    Picture,   // STATIC showing a system icon (named by its caption) or one of the program's drawings (`image`)
    ComboBox,  // COMBOBOX: an edit box with a list that drops below it (readOnly: a drop-down list, one item
               // chosen, none typed); `height` includes the open list
};

enum class BorderStyle : std::uint8_t {
    Sizeable,                 // resizable frame, title bar, system menu, minimise box, no maximise box
    Dialog,                   // fixed dialog frame with title bar and close box
    DialogWithoutSystemMenu,  // fixed dialog frame, title bar, no title-bar buttons
    None,
};

enum class Placement : std::uint8_t { Designed, ScreenCenter };

struct FontSpec {
    std::string_view face;    // empty: the form's font
    std::int16_t height = 0;  // pixels at 96 DPI; negative: character height, as a LOGFONT height
    bool bold = false;
    bool underline = false;

    constexpr bool InheritsFormFont() const { return face.empty(); }
};

// Four bytes, as every component holds two: the kind in the top byte, the colour below it.
struct Color {
    enum class Kind : std::uint8_t { Default, ButtonFace, WindowText, Window, Rgb };
    std::uint32_t rgb : 24 = 0;  // 0xRRGGBB, for Kind::Rgb
    Kind kind : 8 = Kind::Default;

    static constexpr Color Default() { return {}; }
    static constexpr Color ButtonFace() { return {0, Kind::ButtonFace}; }
    static constexpr Color WindowText() { return {0, Kind::WindowText}; }
    static constexpr Color Window() { return {0, Kind::Window}; }
    static constexpr Color Rgb(std::uint32_t rgb) { return {rgb & 0xFFFFFFu, Kind::Rgb}; }
};

inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// The pictures the program draws itself, and the glyphs embedded by the resource script, by name.
inline constexpr const char* kLogoImage = "TAMSOR_LOGO";
inline constexpr const char* kBannerImage = "TAMSOR_BANNER";
inline constexpr const char* kBadgeImage = "MADE_BADGE";
inline constexpr const char* kDonateImage = "DONATE_BUTTON";
inline constexpr const char* kOkGlyphImage = "OK_GLYPH";
inline constexpr const char* kCopyGlyphImage = "COPY_GLYPH";

enum class Event : std::uint8_t {
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
    Event event = Event::Click;
    std::string_view handler;
};

// The events of one component or form, held in place so that a description names them inline:
// `.events = {{Event::Click, "OKButtonClick"}}`. A list longer than its room does not compile.
template <std::size_t Capacity>
class EventBindings {
  public:
    constexpr EventBindings() = default;
    constexpr EventBindings(std::initializer_list<EventBinding> bindings) {
        if (bindings.size() > Capacity) {
            throw "more event bindings than this description has room for";
        }
        for (const EventBinding& binding : bindings) {
            bindings_[count_++] = binding;
        }
    }
    constexpr const EventBinding* begin() const { return bindings_; }
    constexpr const EventBinding* end() const { return bindings_ + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }
    // The handler bound to the event; empty when none is.
    constexpr std::string_view HandlerOf(Event event) const {
        for (const EventBinding& binding : *this) {
            if (binding.event == event) {
                return binding.handler;
            }
        }
        return {};
    }

  private:
    EventBinding bindings_[Capacity] = {};
    std::uint8_t count_ = 0;
};

enum class Alignment : std::uint8_t { Left, Center, Right };

// Modal results that a button gives its form when clicked (0: none, the click runs its handler only).
enum class ModalResult : std::uint8_t { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct ComponentDescription {
    ComponentKind kind = ComponentKind::Label;
    std::string_view name;
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    // Shown by labels, buttons, check boxes and frames. Lists, spin buttons, tab strips and grids
    // show none: theirs names them to screen readers, which find no label for them.
    std::string_view caption;
    std::int16_t tag = 0;
    // One bit each: the exe carries a description of every component.
    bool visible : 1 = true;
    bool autoSize : 1 = false;     // labels: size to the text and the font
    bool wordWrap : 1 = false;     // labels: break lines at the width
    bool joinHyphens : 1 = false;  // labels: each run of "-" drawn as one line, an arrow's shaft
    bool mnemonic : 1 = false;     // labels: "&" underlines the next letter, which with Alt focuses the next component
    bool readOnly : 1 = false;     // edits; combo boxes: only the list's items can be chosen, nothing typed
    bool isDefault : 1 = false;    // the push button that Enter presses
    bool transparent : 1 = false;
    bool raised : 1 = false;  // bevels: a raised box instead of an etched line
    Alignment alignment = Alignment::Left;
    ModalResult modalResult = ModalResult::None;
    std::int8_t page = -1;  // the page of the form's Tabs component this component sits on; -1: none
    FontSpec font;          // empty face: the form's font
    Color textColor;
    Color backColor;              // Default: the form's colour
    std::string_view buddy;       // UpDown: the component whose arrow keys it answers
    std::string_view hint;        // tooltip
    std::string_view image;       // pictures: the drawing, made to fill the bounds; buttons: the glyph
    std::int16_t itemHeight = 0;  // list boxes
    std::int16_t rowCount = 0;    // grids: rows below the header row
    std::span<const std::string_view> items;  // tab pages; initial list items
    std::span<const int> columnWidths;        // grids: one entry a column
    EventBindings<2> events;                  // Click, or UpClick and DownClick
};

// A label that sizes itself to its caption.
constexpr ComponentDescription MakeLabel(std::string_view name, int left, int top, std::string_view caption) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = static_cast<std::int16_t>(left),
            .top = static_cast<std::int16_t>(top),
            .caption = caption,
            .autoSize = true};
}

struct MenuItemDescription {
    std::string_view name;
    std::string_view caption;  // "-" draws a separator line
    std::string_view onClick;  // handler name; empty: none
    bool checked = false;
    bool visible = true;
    std::span<const MenuItemDescription> items;  // a sub-menu when not empty

    constexpr bool IsSeparator() const { return caption == "-"; }
};

struct TimerDescription {
    std::string_view name;
    unsigned interval = 1000;  // milliseconds
    bool enabled = true;
    std::string_view onTimer;
};

struct FormDescription {
    std::string_view className;  // the registered window class, e.g. "TMainForm1"
    std::string_view name;
    std::string_view caption;
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
    std::string_view activeControl;  // the component that has the focus when the form first opens
    std::span<const ComponentDescription> components;
    std::string_view mainMenuName;
    std::span<const MenuItemDescription> mainMenu;  // the top-level entries of the menu bar
    std::string_view popupMenuName;
    std::span<const MenuItemDescription> popupMenu;
    std::span<const TimerDescription> timers;
    EventBindings<4> events;  // Show, Activate, Close, CloseQuery, KeyDown
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
