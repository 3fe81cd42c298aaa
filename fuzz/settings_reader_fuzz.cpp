// The settings reader over a file in which every value is the fuzzer's: geometry, caption, count,
// entries and flags. Nothing may fault, the list never holds more than ten entries, and what the
// program then writes it reads back the same.

#include <optional>
#include <string>
#include <vector>

#include "core/place.h"
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
    bool DeleteKey(std::string_view) override { return false; }
    const std::string& Path() const override { return path_; }

  private:
    fuzz::FuzzInput& input_;
    std::string path_ = "orvanta.ini";
};

bool SameSettings(const Settings& a, const Settings& b) {
    return a.windowTop == b.windowTop && a.windowLeft == b.windowLeft && a.clientWidth == b.clientWidth &&
           a.clientHeight == b.clientHeight && a.currentLocationCaption == b.currentLocationCaption &&
           a.places == b.places && a.flags == b.flags;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    FuzzedIniStore fuzzed(input);
    const Settings read = ReadSettings(fuzzed);
    fuzz::Require(read.places.size() <= static_cast<std::size_t>(kMaxOtherLocations), "more than ten entries");

    // Written out and read in again, nothing changes.
    FakeIniStore file;
    fuzz::Require(WriteSettings(file, read).written, "a write to memory failed");
    fuzz::Require(SameSettings(read, ReadSettings(file)), "what was written reads back differently");
    return 0;
}
