#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "ports/registry.h"

namespace orvanta {

// A registry in memory behind the Registry port. Keys are found by root and path as given; a key
// can be readable yet refuse changes, as the machine-wide hive does for a user without an
// administrator's rights, and writes and deletions can be made to fail in the other ways the
// system can fail them. It counts the access objects made and still alive, so a test can see that
// each routine uses a fresh one and lets it go.
class FakeRegistry {
  public:
    struct Value {
        bool isString = true;
        std::string data;
    };
    struct Key {
        bool changeable = true;
        std::map<std::string, Value, std::less<>> values;
    };

    Key& AddKey(RegistryRoot root, std::string_view path) { return keys_[{root, std::string(path)}]; }
    Key* Find(RegistryRoot root, std::string_view path) {
        const auto found = keys_.find({root, std::string(path)});
        return found == keys_.end() ? nullptr : &found->second;
    }

    bool refuseWrites = false;  // the system rejects the write for a reason other than rights
    // The write succeeds, but what is stored is this of the data, as a faulty driver might do.
    std::function<std::string(std::string_view)> storeAs;
    bool keepDeletedValues = false;  // the deletion reports success, yet the value stays

    int accessesMade = 0;
    int accessesAlive = 0;

    RegistryFactory Factory() {
        return [this](RegistryRoot root) { return std::make_unique<Access>(*this, root); };
    }

  private:
    class Access final : public Registry {
      public:
        Access(FakeRegistry& registry, RegistryRoot root) : registry_(registry), root_(root) {
            ++registry_.accessesMade;
            ++registry_.accessesAlive;
        }
        ~Access() override { --registry_.accessesAlive; }

        bool KeyExists(std::string_view key) override { return registry_.Find(root_, key) != nullptr; }
        std::string ReadString(std::string_view key, std::string_view name) override {
            const Value* value = Find(key, name);
            return value == nullptr || !value->isString ? "" : value->data;
        }
        bool ValueExists(std::string_view key, std::string_view name) override { return Find(key, name) != nullptr; }
        RegistryChange WriteString(std::string_view key, std::string_view name, std::string_view data) override {
            Key* found = registry_.Find(root_, key);
            if (const RegistryChange opened = Opened(found); opened != RegistryChange::Done) {
                return opened;
            }
            if (registry_.refuseWrites) {
                return RegistryChange::Failed;
            }
            found->values[std::string(name)] = {true, registry_.storeAs ? registry_.storeAs(data) : std::string(data)};
            return RegistryChange::Done;
        }
        RegistryChange DeleteValue(std::string_view key, std::string_view name) override {
            Key* found = registry_.Find(root_, key);
            if (const RegistryChange opened = Opened(found); opened != RegistryChange::Done) {
                return opened;
            }
            const auto value = found->values.find(name);
            if (value == found->values.end()) {
                return RegistryChange::Failed;
            }
            if (!registry_.keepDeletedValues) {
                found->values.erase(value);
            }
            return RegistryChange::Done;
        }

      private:
        static RegistryChange Opened(const Key* key) {
            return key == nullptr ? RegistryChange::KeyMissing
                                  : (key->changeable ? RegistryChange::Done : RegistryChange::AccessDenied);
        }
        const Value* Find(std::string_view key, std::string_view name) {
            const Key* found = registry_.Find(root_, key);
            if (found == nullptr) {
                return nullptr;
            }
            const auto value = found->values.find(name);
            return value == found->values.end() ? nullptr : &value->second;
        }

        FakeRegistry& registry_;
        RegistryRoot root_;
    };

    std::map<std::pair<RegistryRoot, std::string>, Key> keys_;
};

}  // namespace orvanta
