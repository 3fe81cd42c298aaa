#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "forms/form_description.h"
#include "toolkit/handles.h"
#include "toolkit/menu.h"

namespace orvanta::toolkit {

class Form;

// What an event handler may learn or answer.
struct EventArgs {
    bool canClose = true;        // CloseQuery: set false to refuse the close
    bool endingSession = false;  // CloseQuery: Windows is ending the session and will not wait
    unsigned key = 0;            // KeyDown: the virtual-key code
};

using Handler = std::function<void(EventArgs&)>;
using HandlerTable = std::unordered_map<std::string, Handler>;

// Binds a member function, with or without EventArgs, as a handler.
template <typename FormClass>
Handler Bind(FormClass* form, void (FormClass::*method)()) {
    return [form, method](EventArgs&) { (form->*method)(); };
}
template <typename FormClass>
Handler Bind(FormClass* form, void (FormClass::*method)(EventArgs&)) {
    return [form, method](EventArgs& args) { (form->*method)(args); };
}

// One component of a form: a real child window of a standard class.
class Control {
  public:
    Control(Form& form, const forms::ComponentDescription& description, int controlId);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const forms::ComponentDescription& Description() const { return description_; }
    const std::string& Name() const { return description_.name; }
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

    // List boxes.
    int ItemCount() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void AddItem(std::string_view text);
    void DeleteItem(int index);
    void ClearItems();
    int ItemIndex() const;  // -1: none selected
    void SetItemIndex(int index);

    // Grids: row 0 is the header row.
    int RowCount() const;
    int ColumnCount() const;
    std::string Cell(int column, int row) const;
    void SetCell(int column, int row, std::string_view text);

    // Tab controls.
    int PageIndex() const;
    void SetPageIndex(int page);

    // Colours for WM_CTLCOLORSTATIC; nullptr: the system's.
    HBRUSH PrepareColors(HDC dc) const;

  private:
    friend class Form;
    void Create(HWND parent);
    void FitToText();
    void ApplyVisibility();

    Form& form_;
    const forms::ComponentDescription& description_;
    int controlId_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::string text_;  // labels, buttons and check boxes keep their caption here
    bool visible_;
    UniqueBrush backBrush_;
};

class Timer {
  public:
    Timer(Form& form, const forms::TimerDescription& description, UINT_PTR id);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return description_.name; }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT_PTR Id() const { return id_; }
    const std::string& OnTimer() const { return description_.onTimer; }

  private:
    friend class Form;
    void Apply();

    Form& form_;
    const forms::TimerDescription& description_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_;
};

// A window built from its form description. The derived class names its handlers in one table and
// calls Create at the end of its constructor; Create fails on any handler name it cannot bind.
class Form {
  public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND Handle() const { return window_; }
    const forms::FormDescription& Description() const { return description_; }
    const std::string& Name() const { return description_.name; }

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
    void SetWindowLeft(int left);
    void SetWindowTop(int top);
    SIZE ClientSize() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    // Lengths of the form description, at the screen's resolution.
    int Scale(int designPixels) const;

    // Runs a handler; an error that escapes it is reported and the event is abandoned.
    // False when the handler failed.
    bool RunHandler(const std::string& handlerName, EventArgs& args);
    bool RunHandler(const std::string& handlerName);

  protected:
    explicit Form(const forms::FormDescription& description);

    // Builds the window hidden, with its components, menus and timers. Owner: the window this form
    // stays above and disables while modal.
    void Create(HandlerTable handlers, HWND owner);
    // The window procedure's hook for messages a form class handles itself; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Quit the message loop when this window is destroyed: the application's main window.
    void SetEndsApplication(bool endsApplication) { endsApplication_ = endsApplication; }
    void ShowPopupMenu(POINT screenPoint);

  private:
    friend class Control;
    friend class Timer;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterWindowClass() const;
    void CreateComponents();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    void OnClose();
    void ShowCurrentPage();
    void ClickControl(Control& control);
    bool PreTranslate(MSG& message);
    Control* DefaultButton() const;
    Control* ControlById(int id) const;
    const std::string* EventHandler(forms::Event event) const;
    const std::string* EventHandler(const Control& control, forms::Event event) const;
    HFONT Font(const forms::FontSpec& font);
    HBRUSH FormBrush() const { return formBrush_.Get(); }
    void MoveFrame(int left, int top, int width, int height);

    const forms::FormDescription& description_;
    HandlerTable handlers_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::vector<std::unique_ptr<Control>> components_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::unique_ptr<Menu> mainMenu_;
    std::unique_ptr<Menu> popupMenu_;
    std::map<std::tuple<std::string, int, bool, bool>, UniqueFont> fonts_;
    UniqueBrush formBrush_;
    Control* tabs_ = nullptr;
    std::vector<HWND> pages_;  // one window for each page of the tab control, holding its components
    Control* lastFocus_ = nullptr;
    bool everShown_ = false;
    bool inModalLoop_ = false;
    bool endsApplication_ = false;
    forms::ModalResult modalResult_ = forms::ModalResult::None;
};

// Reports an error that no handler caught, and lets the program go on. The application replaces
// the reporter with its message dialogs; until then a plain message box shows it.
void SetUncaughtErrorReporter(std::function<void(const std::string& text)> reporter);
void ReportUncaughtError(const std::string& text);

}  // namespace orvanta::toolkit
