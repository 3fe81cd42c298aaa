#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "ports/registry.h"

namespace orvanta {

// A registry in memory behind the Registry port. Keys are found by root and path as given; each
// can be made unopenable with full access, and writes and deletions can be made to fail in the
// ways the system can fail them. It counts the access objects made and still alive, so a test can
// see that each routine uses a fresh one and lets it go.
class FakeRegistry {
  public:
    struct Value {
        bool isString = true;
        std::string data;
    };
    struct Key {
        bool fullAccess = true;
        std::map<std::string, Value, std::less<>> values;
    };

    Key& AddKey(RegistryRoot root, std::string_view path) { return keys_[{root, std::string(path)}]; }
    Key* Find(RegistryRoot root, std::string_view path) {
        const auto found = keys_.find({root, std::string(path)});
        return found == keys_.end() ? nullptr : &found->second;
    }

    bool refuseWrites = false;  // the system rejects the write
    // The write succeeds, but what is stored is this of the data, as a faulty driver might do.
    std::function<std::string(std::string_view)> storeAs;
    bool keepDeletedValues = false;  // the deletion reports success, yet the value stays

    int accessesMade = 0;
    int accessesAlive = 0;
    int keysOpened = 0;

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

        bool KeyExists(std::string_view key) override {
            const Key* found = registry_.Find(root_, key);
            return found != nullptr && found->fullAccess;
        }
        bool OpenKey(std::string_view key) override {
            Key* found = registry_.Find(root_, key);
            open_ = found != nullptr && found->fullAccess ? found : nullptr;
            registry_.keysOpened += open_ != nullptr ? 1 : 0;
            return open_ != nullptr;
        }
        std::string ReadString(std::string_view name) override {
            const auto found = Open().values.find(name);
            return found == Open().values.end() || !found->second.isString ? "" : found->second.data;
        }
        bool WriteString(std::string_view name, std::string_view data) override {
            if (registry_.refuseWrites) {
                return false;
            }
            Open().values[std::string(name)] = {true, registry_.storeAs ? registry_.storeAs(data) : std::string(data)};
            return true;
        }
        bool DeleteValue(std::string_view name) override {
            const auto found = Open().values.find(name);
            if (found == Open().values.end()) {
                return false;
            }
            if (!registry_.keepDeletedValues) {
                Open().values.erase(found);
            }
            return true;
        }
        bool ValueExists(std::string_view name) override { return Open().values.contains(name); }

      private:
        // Value operations on a key that was never opened are a fault of the routine under test.
        Key& Open() {
            if (open_ == nullptr) {
                throw std::logic_error("value operation without an open key");
            }
            return *open_;
        }

        FakeRegistry& registry_;
        RegistryRoot root_;
        Key* open_ = nullptr;
    };

    std::map<std::pair<RegistryRoot, std::string>, Key> keys_;
};

}  // namespace orvanta
