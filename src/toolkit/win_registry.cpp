#include "toolkit/win_registry.h"

#include <windows.h>

#include <vector>

#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::toolkit {

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
    }
    return HKEY_LOCAL_MACHINE;
}

// RegOpenKeyExW refuses a sub-key that starts with a backslash (ERROR_BAD_PATHNAME); the path is
// absolute from the root anyway.
std::wstring SubKey(std::string_view key) {
    if (!key.empty() && key.front() == '\\') {
        key.remove_prefix(1);
    }
    return Widen(key);
}

// A missing file is the key when the key is being opened, the value after that.
RegistryChange ChangeOutcome(LONG status, bool opening) {
    switch (status) {
        case ERROR_SUCCESS:
            return RegistryChange::Done;
        case ERROR_FILE_NOT_FOUND:
            return opening ? RegistryChange::KeyMissing : RegistryChange::Failed;
        case ERROR_ACCESS_DENIED:
            return RegistryChange::AccessDenied;
        default:
            return RegistryChange::Failed;
    }
}

class WinRegistry final : public Registry {
  public:
    explicit WinRegistry(HKEY root) : root_(root) {}

    bool KeyExists(std::string_view key) override { return Open(key, KEY_QUERY_VALUE).status == ERROR_SUCCESS; }

    std::string ReadString(std::string_view key, std::string_view name) override {
        const Opened opened = Open(key, KEY_QUERY_VALUE);
        if (!opened.key) {
            return {};
        }
        const std::wstring valueName = Widen(name);
        // The value may grow between asking its size and reading it: ask again until it fits.
        std::vector<wchar_t> buffer(MAX_PATH);
        for (;;) {
            DWORD type = 0;
            DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
            const LONG status = RegQueryValueExW(opened.key.Get(), valueName.c_str(), nullptr, &type,
                                                 reinterpret_cast<BYTE*>(buffer.data()), &bytes);
            if (status == ERROR_MORE_DATA) {
                buffer.resize(bytes / sizeof(wchar_t) + 1);
                continue;
            }
            // Any other type of data under this name is no entry of ours.
            if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
                return {};
            }
            // Stored data need not end in a zero; a zero inside ends the text.
            std::wstring_view text(buffer.data(), bytes / sizeof(wchar_t));
            text = text.substr(0, text.find(L'\0'));
            return Narrow(text);
        }
    }

    bool ValueExists(std::string_view key, std::string_view name) override {
        const Opened opened = Open(key, KEY_QUERY_VALUE);
        return opened.key && RegQueryValueExW(opened.key.Get(), Widen(name).c_str(), nullptr, nullptr, nullptr,
                                              nullptr) == ERROR_SUCCESS;
    }

    RegistryChange WriteString(std::string_view key, std::string_view name, std::string_view data) override {
        const Opened opened = Open(key, KEY_SET_VALUE);
        if (!opened.key) {
            return ChangeOutcome(opened.status, true);
        }
        const std::wstring text = Widen(data);
        // With its terminating zero, as every reader of the Run key expects.
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        const LONG status = RegSetValueExW(opened.key.Get(), Widen(name).c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(text.c_str()), bytes);
        return ChangeOutcome(status, false);
    }

    RegistryChange DeleteValue(std::string_view key, std::string_view name) override {
        const Opened opened = Open(key, KEY_SET_VALUE);
        if (!opened.key) {
            return ChangeOutcome(opened.status, true);
        }
        return ChangeOutcome(RegDeleteValueW(opened.key.Get(), Widen(name).c_str()), false);
    }

  private:
    struct Opened {
        UniqueRegistryKey key;
        LONG status;
    };

    [[nodiscard]] Opened Open(std::string_view key, REGSAM rights) const {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExW(root_, SubKey(key).c_str(), 0, rights, &opened);
        return {status == ERROR_SUCCESS ? UniqueRegistryKey(opened) : UniqueRegistryKey(), status};
    }

    HKEY root_;
};

}  // namespace

std::unique_ptr<Registry> OpenWinRegistry(RegistryRoot root) {
    return std::make_unique<WinRegistry>(RootKey(root));
}

}  // namespace orvanta::toolkit
