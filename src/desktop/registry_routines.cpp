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

std::string RegistryNeedsAdministratorMessage(std::string_view key, std::string_view name) {
    const std::string keyLine = " Error Key   = " + std::string(key);
    const std::string itemLine = " Error Item  = " + std::string(name);
    return JoinMessageLines({"Error: Your Windows account may not change this Windows Registry setting.  ",
                             "The change needs an administrator's rights: start the program with ",
                             "\"Run as administrator\" and try again.", "", keyLine, itemLine});
}

bool Write_Registry_String(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name,
                           std::string_view data) {
    const auto access = registry(root);
    // The key is never created: a missing Run key is something to report, not to make.
    const RegistryChange change =
        access->KeyExists(key) ? access->WriteString(key, name, data) : RegistryChange::KeyMissing;
    switch (change) {
        case RegistryChange::Done:
            if (access->ReadString(key, name) == data) {
                return true;
            }
            break;
        case RegistryChange::KeyMissing:
            dialogs.Fail(RegistryKeyMissingOnWriteMessage(key, name, data));
            return false;
        case RegistryChange::AccessDenied:
            dialogs.Fail(RegistryNeedsAdministratorMessage(key, name));
            return false;
        case RegistryChange::Failed:
            break;
    }
    dialogs.Fail(RegistryWriteFailedMessage(key, name, data));
    return false;
}

bool Delete_Registry_Value(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name) {
    const auto access = registry(root);
    const RegistryChange change = access->KeyExists(key) ? access->DeleteValue(key, name) : RegistryChange::KeyMissing;
    if (change == RegistryChange::KeyMissing) {
        dialogs.Fail(RegistryKeyMissingOnDeleteMessage(key, name));
        return false;
    }
    // What counts is whether the value is gone: one that was never there is as good as one
    // removed, even for a user who may not change the key.
    if (!access->ValueExists(key, name)) {
        return true;
    }
    dialogs.Fail(change == RegistryChange::AccessDenied ? RegistryNeedsAdministratorMessage(key, name)
                                                        : RegistryRemovalFailedMessage(key, name));
    return false;
}

std::string Read_Registry_String(const RegistryFactory& registry,
                                 RegistryRoot root,
                                 std::string_view key,
                                 std::string_view name) {
    return registry(root)->ReadString(key, name);
}

}  // namespace orvanta
