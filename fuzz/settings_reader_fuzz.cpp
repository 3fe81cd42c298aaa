// The settings reader over a file in which every value is the fuzzer's: geometry, caption, count,
// entries and flags. Nothing may fault, the list never holds more than ten entries, and what the
// program then writes it reads back the same.

#include <optional>
#include <string>
#include <vector>

#include "core/location_entry.h"
#include "core/settings_file.h"
#include "fake_ini_store.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

// Answers each read with the next line of the input; a line holding only "\x7f", or the end of
// the input, is a key that is missing, so the defaults are reached as well.
class FuzzedIniStore final : public IniStore {
  public:
    explicit FuzzedIniStore(fuzz::FuzzInput& input) : input_(input) {}

    std::string ReadString(std::string_view, std::string_view defaultValue) override {
        if (input_.Exhausted()) {
            return std::string(defaultValue);
        }
        const std::string_view line = input_.Line();
        return line == "\x7f" ? std::string(defaultValue) : std::string(line);
    }
    bool WriteString(std::string_view, std::string_view) override { return false; }
    const std::string& Path() const override { return path_; }

  private:
    fuzz::FuzzInput& input_;
    std::string path_ = "orvanta.ini";
};

// Everything the reader handed over, in the form the writer takes.
class RecordingTarget final : public SettingsTarget {
  public:
    SettingsSnapshot settings;
    int geometryCalls = 0;
    int captionCalls = 0;
    std::vector<int> flagOrder;

    void SetWindowTop(int top) override { settings.windowTop = top, ++geometryCalls; }
    void SetWindowLeft(int left) override { settings.windowLeft = left, ++geometryCalls; }
    void SetClientWidth(int width) override { settings.clientWidth = width, ++geometryCalls; }
    void SetClientHeight(int height) override { settings.clientHeight = height, ++geometryCalls; }
    void SetCurrentLocationCaption(const std::string& caption) override {
        settings.currentLocationCaption = caption;
        ++captionCalls;
    }
    void AppendLocation(const std::string& entry) override { settings.locations.push_back(entry); }
    void SetFlag(SettingsFlag flag, bool set) override {
        settings.flags[static_cast<int>(flag)] = set;
        flagOrder.push_back(static_cast<int>(flag));
    }
};

bool SameSettings(const SettingsSnapshot& a, const SettingsSnapshot& b) {
    return a.windowTop == b.windowTop && a.windowLeft == b.windowLeft && a.clientWidth == b.clientWidth &&
           a.clientHeight == b.clientHeight && a.currentLocationCaption == b.currentLocationCaption &&
           a.locations == b.locations && a.flags == b.flags;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    FuzzedIniStore fuzzed(input);
    RecordingTarget read;
    ReadSettings(fuzzed, read);

    fuzz::Require(read.geometryCalls == 4 && read.captionCalls == 1, "a value was not handed over exactly once");
    fuzz::Require(read.settings.locations.size() <= static_cast<std::size_t>(kMaxOtherLocations),
                  "more than ten entries");
    fuzz::Require(read.flagOrder.size() == static_cast<std::size_t>(kSettingsFlagCount), "a flag was skipped");
    for (int index = 0; index < kSettingsFlagCount; ++index) {
        fuzz::Require(read.flagOrder[index] == index, "flags out of order");
    }

    // Written out and read in again, nothing changes.
    FakeIniStore file;
    fuzz::Require(WriteSettings(file, read.settings).written, "a write to memory failed");
    RecordingTarget reread;
    ReadSettings(file, reread);
    fuzz::Require(SameSettings(read.settings, reread.settings), "what was written reads back differently");
    return 0;
}
