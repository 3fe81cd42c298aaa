#include "toolkit/menu.h"

#include "toolkit/win_text.h"

namespace orvanta::toolkit {

MenuItem::MenuItem(Menu& menu, MenuItem* parent, const forms::MenuItemDescription& description, UINT commandId)
    : menu_(menu),
      parent_(parent),
      description_(description),
      commandId_(commandId),
      caption_(description.caption),
      checked_(description.checked),
      visible_(description.visible) {
    if (!description.items.empty()) {
        subMenu_.Reset(CreatePopupMenu());
        subMenuHandle_ = subMenu_.Get();
    }
}

HMENU MenuItem::ContainingMenu() const {
    return parent_ != nullptr ? parent_->subMenuHandle_ : menu_.handle_;
}

UINT MenuItem::PositionAmongVisible() const {
    const auto& siblings = parent_ != nullptr ? parent_->items_ : menu_.items_;
    UINT position = 0;
    for (const auto& sibling : siblings) {
        if (sibling.get() == this) {
            break;
        }
        if (sibling->visible_) {
            ++position;
        }
    }
    return position;
}

void MenuItem::Insert() {
    std::wstring text = Widen(caption_);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    if (description_.IsSeparator()) {
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
        info.fType = MFT_STRING;
        info.dwTypeData = text.data();
        info.wID = commandId_;
        info.fState = checked_ ? MFS_CHECKED : MFS_UNCHECKED;
        if (subMenuHandle_ != nullptr) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = subMenuHandle_;
        }
    }
    InsertMenuItemW(ContainingMenu(), PositionAmongVisible(), TRUE, &info);
    // From here on the containing menu destroys the sub-menu together with itself.
    (void)subMenu_.Release();
}

void MenuItem::SetCaption(std::string_view caption) {
    caption_ = caption;
    if (!visible_ || description_.IsSeparator()) {
        return;
    }
    std::wstring text = Widen(caption_);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(ContainingMenu(), commandId_, FALSE, &info);
    menu_.Changed();
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (visible_) {
        CheckMenuItem(ContainingMenu(), commandId_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void MenuItem::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    if (visible) {
        visible_ = true;
        Insert();
    } else {
        const UINT position = PositionAmongVisible();
        visible_ = false;
        // RemoveMenu keeps a sub-menu alive; take ownership back until the entry returns.
        if (subMenuHandle_ != nullptr) {
            subMenu_.Reset(subMenuHandle_);
        }
        RemoveMenu(ContainingMenu(), position, MF_BYPOSITION);
    }
    menu_.Changed();
}

Menu::Menu(Kind kind, std::span<const forms::MenuItemDescription> items, UINT firstCommandId) : kind_(kind) {
    handle_ = kind == Kind::Bar ? CreateMenu() : CreatePopupMenu();
    UINT nextId = firstCommandId;
    AddItems(nullptr, items_, items, nextId);
}

Menu::~Menu() {
    // A bar attached to a window belongs to the window, which destroys it with itself: by now it
    // may already have, and the handle may name another menu.
    if (!attached_) {
        DestroyMenu(handle_);
    }
}

void Menu::AddItems(MenuItem* parent,
                    std::vector<std::unique_ptr<MenuItem>>& into,
                    std::span<const forms::MenuItemDescription> items,
                    UINT& nextId) {
    for (const auto& description : items) {
        auto item = std::unique_ptr<MenuItem>(new MenuItem(*this, parent, description, nextId++));
        MenuItem& added = *item;
        into.push_back(std::move(item));
        AddItems(&added, added.items_, description.items, nextId);
        if (added.visible_) {
            added.Insert();
        }
    }
}

MenuItem* Menu::Find(std::string_view name) const {
    std::vector<const std::vector<std::unique_ptr<MenuItem>>*> pending{&items_};
    while (!pending.empty()) {
        const auto* level = pending.back();
        pending.pop_back();
        for (const auto& item : *level) {
            if (item->Name() == name) {
                return item.get();
            }
            pending.push_back(&item->items_);
        }
    }
    return nullptr;
}

MenuItem* Menu::FindByCommand(UINT commandId) const {
    std::vector<const std::vector<std::unique_ptr<MenuItem>>*> pending{&items_};
    while (!pending.empty()) {
        const auto* level = pending.back();
        pending.pop_back();
        for (const auto& item : *level) {
            if (item->commandId_ == commandId) {
                return item.get();
            }
            pending.push_back(&item->items_);
        }
    }
    return nullptr;
}

void Menu::Changed() const {
    if (kind_ == Kind::Bar && changed_) {
        changed_();
    }
}

}  // namespace orvanta::toolkit
