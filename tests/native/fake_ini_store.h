#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ports/ini_store.h"

namespace orvanta {

// One section of a settings file in memory. Key names ignore case as they do in a real file;
// every read and every attempted write is recorded in order, and the write of one chosen key can
// be made to fail, as when the file is read-only.
class FakeIniStore : public IniStore {
  public:
    explicit FakeIniStore(std::string path = "C:\\Orvanta\\orvanta.ini") : path_(std::move(path)) {}

    std::string ReadString(std::string_view key, std::string_view defaultValue) override {
        reads_.emplace_back(key);
        if (log_ != nullptr) {
            log_->push_back("read " + std::string(key));
        }
        const auto found = values_.find(Folded(key));
        return found == values_.end() ? std::string(defaultValue) : found->second;
    }

    bool WriteString(std::string_view key, std::string_view value) override {
        writes_.emplace_back(std::string(key), std::string(value));
        if (failingKey_ && Folded(key) == *failingKey_) {
            return false;
        }
        values_[Folded(key)] = std::string(value);
        return true;
    }

    bool DeleteKey(std::string_view key) override {
        if (failingKey_ && Folded(key) == *failingKey_) {
            return false;
        }
        values_.erase(Folded(key));
        return true;
    }

    const std::string& Path() const override { return path_; }

    void Set(std::string_view key, std::string_view value) { values_[Folded(key)] = std::string(value); }

    std::optional<std::string> Get(std::string_view key) const {
        const auto found = values_.find(Folded(key));
        return found == values_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }

    void FailWriteOf(std::string_view key) { failingKey_ = Folded(key); }

    // Reads are also appended here, for tests that check how reads and their uses interleave.
    void LogReadsTo(std::vector<std::string>* log) { log_ = log; }

    const std::vector<std::string>& Reads() const { return reads_; }
    const std::vector<std::pair<std::string, std::string>>& Writes() const { return writes_; }
    std::size_t KeyCount() const { return values_.size(); }

  private:
    static std::string Folded(std::string_view key) {
        std::string folded(key);
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return folded;
    }

    std::string path_;
    std::map<std::string, std::string> values_;
    std::vector<std::string> reads_;
    std::vector<std::pair<std::string, std::string>> writes_;
    std::optional<std::string> failingKey_;
    std::vector<std::string>* log_ = nullptr;
};

}  // namespace orvanta
