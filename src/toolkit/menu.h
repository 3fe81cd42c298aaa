#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form_types/form_description.h"
#include "toolkit/handles.h"

namespace orvanta::toolkit {

class Menu;

// One entry of a menu bar or pop-up menu. Win32 menus know no hidden entries: a hidden entry is
// removed from its menu and put back at its place among the visible ones when shown again.
class MenuItem {
  public:
    std::string_view Name() const { return description_.name; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    std::string_view OnClick() const { return description_.onClick; }
    UINT CommandId() const { return commandId_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

  private:
    friend class Menu;
    MenuItem(Menu& menu, MenuItem* parent, const forms::MenuItemDescription& description, UINT commandId);
    HMENU ContainingMenu() const;
    UINT PositionAmongVisible() const;
    void Insert();

    Menu& menu_;
    MenuItem* parent_;
    const forms::MenuItemDescription& description_;
    UINT commandId_;
    std::string caption_;
    bool checked_;
    bool visible_;
    UniqueMenu subMenu_;  // owned until inserted; a menu that holds it destroys it
    HMENU subMenuHandle_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class Menu {
  public:
    enum class Kind { Bar, Popup };
    // Command identifiers are given out from firstCommandId upwards.
    Menu(Kind kind, std::span<const forms::MenuItemDescription> items, UINT firstCommandId);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    HMENU Handle() const { return handle_; }
    Kind GetKind() const { return kind_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem* Find(std::string_view name) const;
    MenuItem* FindByCommand(UINT commandId) const;
    // Called after a change that the menu bar must redraw.
    void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }
    // Whether a window shows the bar: while it does, the window owns the handle and destroys it.
    void SetAttached(bool attached) { attached_ = attached; }

  private:
    friend class MenuItem;
    void Changed() const;
    void AddItems(MenuItem* parent,
                  std::vector<std::unique_ptr<MenuItem>>& into,
                  std::span<const forms::MenuItemDescription> items,
                  UINT& nextId);

    Kind kind_;
    HMENU handle_ = nullptr;
    bool attached_ = false;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::function<void()> changed_;
};

}  // namespace orvanta::toolkit
