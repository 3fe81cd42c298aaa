#include "desktop/registry_routines.h"

#include "core/message_lines.h"

namespace orvanta {

namespace {

constexpr std::string_view kKeyMissingLine1 = "Error: The specified Registry Key for this operation ";
constexpr std::string_view kKeyMissingLine2 = "does NOT exist on your PC.  ";
constexpr std::string_view kContactAuthor = "Please contact the program's author.";

std::string WriteMessage(std::string_view line1,
                         std::string_view line2,
                         std::string_view key,
                         std::string_view name,
                         std::string_view data) {
    const std::string keyLine = " Error Key   = " + std::string(key);
    const std::string itemLine = " Error Item  = " + std::string(name);
    const std::string valueLine = " Error Value = " + std::string(data);
    return JoinMessageLines({line1, line2, "", keyLine, itemLine, valueLine, "", kContactAuthor});
}

std::string DeleteMessage(std::string_view line1, std::string_view line2, std::string_view key, std::string_view name) {
    const std::string keyLine = " Error Key   = " + std::string(key);
    const std::string itemLine = " Error Item  = " + std::string(name);
    return JoinMessageLines({line1, line2, "", keyLine, itemLine, "", kContactAuthor});
}

}  // namespace

std::string RegistryKeyMissingOnWriteMessage(std::string_view key, std::string_view name, std::string_view data) {
    return WriteMessage(kKeyMissingLine1, kKeyMissingLine2, key, name, data);
}

std::string RegistryWriteFailedMessage(std::string_view key, std::string_view name, std::string_view data) {
    return WriteMessage("Error: The required settings could not be created ", "or saved in the Windows Registry.  ",
                        key, name, data);
}

std::string RegistryKeyMissingOnDeleteMessage(std::string_view key, std::string_view name) {
    return DeleteMessage(kKeyMissingLine1, kKeyMissingLine2, key, name);
}

std::string RegistryRemovalFailedMessage(std::string_view key, std::string_view name) {
    return DeleteMessage("Error: The required Registry Key settings ",
                         "could not be removed from the Windows Registry.  ", key, name);
}

bool Write_Registry_String(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name,
                           std::string_view data) {
    const auto access = registry(root);
    // The key is never created: a Run key that is missing, or that this user may not change, is
    // something to report, not to make.
    if (!access->KeyExists(key) || !access->OpenKey(key)) {
        dialogs.Fail(RegistryKeyMissingOnWriteMessage(key, name, data));
        return false;
    }
    // A write the system refuses gets the same message as one that did not stick.
    if (!access->WriteString(name, data) || access->ReadString(name) != data) {
        dialogs.Fail(RegistryWriteFailedMessage(key, name, data));
        return false;
    }
    return true;
}

bool Delete_Registry_Value(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name) {
    const auto access = registry(root);
    if (!access->KeyExists(key) || !access->OpenKey(key)) {
        dialogs.Fail(RegistryKeyMissingOnDeleteMessage(key, name));
        return false;
    }
    // Whether the deletion itself succeeded does not matter, only whether the value is gone: a
    // value that was never there is as good as one removed.
    static_cast<void>(access->DeleteValue(name));
    if (access->ValueExists(name)) {
        dialogs.Fail(RegistryRemovalFailedMessage(key, name));
        return false;
    }
    return true;
}

std::string Read_Registry_String(const RegistryFactory& registry,
                                 RegistryRoot root,
                                 std::string_view key,
                                 std::string_view name) {
    const auto access = registry(root);
    if (!access->KeyExists(key) || !access->OpenKey(key)) {
        return {};
    }
    return access->ReadString(name);
}

}  // namespace orvanta
