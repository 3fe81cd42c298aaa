#pragma once

#include <memory>
#include <span>
#include <string_view>

namespace orvanta::toolkit {

// What an event handler may learn or answer.
struct EventArgs {
    bool canClose = true;        // CloseQuery: set false to refuse the close
    bool endingSession = false;  // CloseQuery: Windows is ending the session, whatever the answer
    unsigned key = 0;            // KeyDown: the virtual-key code
    int steps = 1;               // UpClick, DownClick: steps taken at once (a held arrow, a page key)
};

// A form class's handlers, found by the names its form description gives them.
class Handlers {
  public:
    virtual ~Handlers() = default;
    virtual bool Has(std::string_view name) const = 0;
    // Runs the handler of that name; false when there is none.
    virtual bool Run(std::string_view name, EventArgs& args) = 0;
};

// One handler as constant data: its name and the member function it runs, with or without the
// event's arguments. A form class lists them in a constexpr array, so no code builds the table.
template <typename FormClass>
struct HandlerEntry {
    constexpr HandlerEntry(std::string_view handlerName, void (FormClass::*method)())
        : name(handlerName), plain(method) {}
    constexpr HandlerEntry(std::string_view handlerName, void (FormClass::*method)(EventArgs&))
        : name(handlerName), withArgs(method) {}

    std::string_view name;
    void (FormClass::*plain)() = nullptr;
    void (FormClass::*withArgs)(EventArgs&) = nullptr;
};

template <typename FormClass>
class MemberHandlers final : public Handlers {
  public:
    MemberHandlers(FormClass& form, std::span<const HandlerEntry<FormClass>> entries)
        : form_(form), entries_(entries) {}

    bool Has(std::string_view name) const override { return Find(name) != nullptr; }
    bool Run(std::string_view name, EventArgs& args) override {
        const HandlerEntry<FormClass>* entry = Find(name);
        if (entry == nullptr) {
            return false;
        }
        entry->plain != nullptr ? (form_.*entry->plain)() : (form_.*entry->withArgs)(args);
        return true;
    }

  private:
    const HandlerEntry<FormClass>* Find(std::string_view name) const {
        for (const auto& entry : entries_) {
            if (entry.name == name) {
                return &entry;
            }
        }
        return nullptr;
    }

    FormClass& form_;
    std::span<const HandlerEntry<FormClass>> entries_;
};

template <typename FormClass, std::size_t Count>
std::unique_ptr<Handlers> HandlersOf(FormClass* form, const HandlerEntry<FormClass> (&entries)[Count]) {
    return std::make_unique<MemberHandlers<FormClass>>(*form, entries);
}

}  // namespace orvanta::toolkit
