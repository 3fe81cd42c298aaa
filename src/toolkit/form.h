#pragma once

#include <windows.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/look.h"
#include "form_types/form_description.h"
#include "ports/system_preferences.h"
#include "toolkit/control.h"
#include "toolkit/handlers.h"
#include "toolkit/handles.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"
#include "toolkit/uncaught_errors.h"

namespace orvanta::toolkit {

// A window built from its form description. The derived class names its handlers in one table and
// calls Create at the end of its constructor; Create fails on any handler name it cannot bind.
//
// Its members are defined by theme: form.cpp (parts by name), form_creation.cpp, tab_pages.cpp,
// colors.cpp, modal_loop.cpp, dispatch.cpp (messages and handlers), geometry.cpp and
// window_frame.cpp (border and client size changed while shown).
class Form {
  public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND Handle() const { return window_; }
    const forms::FormDescription& Description() const { return description_; }
    std::string_view Name() const { return description_.name; }

    Control& Component(std::string_view name) const;
    Control* FindComponent(std::string_view name) const;
    // In creation order.
    const std::vector<std::unique_ptr<Control>>& Components() const { return components_; }
    MenuItem& MenuEntry(std::string_view name) const;
    Menu* MainMenu() const { return mainMenu_.get(); }
    Menu* PopupMenu() const { return popupMenu_.get(); }
    Timer& TimerNamed(std::string_view name) const;

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // Shows the form modelessly; the Show event runs first, once for each time it becomes visible.
    void Show();
    void Hide();
    bool Showing() const;
    // Shows the form, disables its owner and runs a nested message loop until the form closes.
    forms::ModalResult ShowModal();
    bool InModalLoop() const { return inModalLoop_; }
    void EndModal(forms::ModalResult result);
    // A close request, exactly as the close box makes it.
    void Close();

    // Outer frame position on the screen, and client size, in pixels.
    // While minimised or maximised these are the bounds the window returns to.
    RECT WindowBounds() const;
    // The frame's top-left corner, its size kept.
    void MoveFrameTo(int left, int top);
    SIZE ClientSize() const;
    // The frame's top-left corner and the client size within it, in one move: each move is a trip to
    // the window system, and at start the window takes its stored place and size at once.
    void PlaceFrame(int left, int top, int clientWidth, int clientHeight);
    // Both at once, keeping left and top; while minimised or maximised, in the place the window
    // returns to.
    void SetClientSize(int width, int height);
    // Another border while the window lives, keeping left, top and client size.
    void SetBorder(forms::BorderStyle border);

    // A device context of the screen's kind, kept for measuring texts: a label that fits itself to
    // its text at every tick would otherwise take and give back its window's DC each time.
    HDC MeasuringDc() const;

    // Lengths of the form description, at the screen's resolution.
    int Scale(int designPixels) const;
    // Pixels per logical inch where the form is now.
    int Dpi() const { return dpi_; }

    // Runs a handler; an error that escapes it is reported and the event is abandoned.
    // False when the handler failed; an empty name runs nothing.
    bool RunHandler(std::string_view handlerName, EventArgs& args);
    bool RunHandler(std::string_view handlerName);

    // The preferences whose look this window follows, asked again whenever Windows announces a
    // change of its settings or colours. Until then it follows Windows' own. A window that follows
    // the dark theme also takes a dark title bar.
    void FollowSystemLook(const SystemPreferences& preferences, bool followsDarkTheme = false);
    LookMode Look() const { return look_; }
    const SystemPreferences& Preferences() const { return *preferences_; }

    // Where errors that no handler catches go: the application passes its reporter to every form
    // it creates. Until then the form shows them in a plain message box of its own.
    void ReportErrorsTo(UncaughtErrors& errors) { errors_ = &errors; }

  protected:
    explicit Form(const forms::FormDescription& description);

    // Builds the window hidden, with its components, menus and timers. Owner: the window this form
    // stays above while shown and disables while modal.
    void Create(std::unique_ptr<Handlers> handlers, HWND owner);
    // A form class's typed members, bound once by the names its description gives; a name the
    // description lacks fails the creation, as a misspelt handler name does.
    struct ComponentBinding {
        std::string_view name;
        Control** member;
    };
    struct MenuEntryBinding {
        std::string_view name;
        MenuItem** member;
    };
    void BindComponents(std::initializer_list<ComponentBinding> bindings,
                        std::initializer_list<MenuEntryBinding> menuEntries = {});
    // A component told its form that what it holds may have changed (WM_COMMAND's code: EN_CHANGE,
    // BN_CLICKED, ...): a form that keeps a model up to date hears of it here.
    virtual void ComponentChanged(Control& /*control*/, int /*notification*/) {}
    // The window procedure's hook for messages a form class handles itself; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Quit the message loop when this window is destroyed: the application's main window.
    void SetEndsApplication(bool endsApplication) { endsApplication_ = endsApplication; }
    void ShowPopupMenu(POINT screenPoint);

  private:
    friend class Control;

    // form.cpp
    Control* DefaultButton() const;
    Control* ControlById(int id) const;
    // form_creation.cpp
    void RegisterWindowClass() const;
    void CreateFrameWindow(HWND owner);
    void CreateComponents();
    void StackFramesBeneath();
    void AttachBuddies();
    void AddTooltips();
    void CreateTimers();
    HFONT Font(const forms::FontSpec& font);
    // tab_pages.cpp
    void CreateTabPages();
    HWND PageWindow(int page) const;
    void ShowCurrentPage();
    bool TurnPage(const MSG& message);
    // colors.cpp
    HBRUSH ControlColors(HDC dc, HWND controlWindow) const;
    // The colour this window paints for a designed one in its present look; the default colour
    // is the form's for a background and the window text colour for a text.
    COLORREF LookColorRef(ColorRole role, const forms::Color& designed) const;
    // Brushes, glyphs and the title bar in the look the preferences now ask for; nothing happens
    // when the look stays and the system's colours did not change.
    void ApplySystemLook(bool colorsChanged);
    void PaintPicturesBeneath(const Control& control, HDC dc) const;
    void EraseBackground(HDC dc) const;
    // modal_loop.cpp
    bool PreTranslate(MSG& message);
    void OnClose();
    // dispatch.cpp
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CheckHandlerNames() const;
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnMenuCommand(UINT commandId);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    bool OnTimer(UINT_PTR timerId);
    bool OnContextMenu(LPARAM lParam);
    void OnQueryEndSession();
    bool OnSetCursor(HWND under) const;
    void MoveFocus(HWND to);
    void ClickControl(Control& control);
    // The handler the description binds to the event; empty: none.
    std::string_view EventHandler(forms::Event event) const;
    std::string_view EventHandler(const Control& control, forms::Event event) const;
    // geometry.cpp
    void MoveFrame(int left, int top, int width, int height);
    // dpi_change.cpp
    void OnDpiChanged(int dpi, const RECT& suggested);

    const forms::FormDescription& description_;
    std::unique_ptr<Handlers> handlers_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;  // the owner only while this window is shown
    int dpi_ = 96;
    std::vector<std::unique_ptr<Control>> components_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::unique_ptr<Menu> mainMenu_;
    std::unique_ptr<Menu> popupMenu_;
    std::map<std::tuple<std::string, int, bool, bool>, UniqueFont> fonts_;
    UniqueBrush formBrush_;
    const SystemPreferences* preferences_;
    bool followsDarkTheme_ = false;
    LookMode look_ = LookMode::Normal;
    mutable UniqueMemoryDc measuringDc_;
    Control* tabs_ = nullptr;
    std::vector<HWND> pages_;  // one window for each page of the tab control, holding its components
    Control* lastFocus_ = nullptr;
    bool everShown_ = false;
    bool inModalLoop_ = false;
    bool endsApplication_ = false;
    forms::ModalResult modalResult_ = forms::ModalResult::None;
    UncaughtErrors ownErrors_{&ShowErrorInMessageBox};
    UncaughtErrors* errors_ = &ownErrors_;
};

// How far a place or size given to a form may reach either way, in pixels: far beyond any screen,
// and small enough that the frame's arithmetic never leaves an int.
inline constexpr int kMaxWindowReach = 1 << 20;
int WithinReach(int coordinate);

// Handles every message waiting for this thread, as a long operation does between its steps. A
// quit request stays for the loop that owns it.
void ProcessPendingMessages();

}  // namespace orvanta::toolkit
