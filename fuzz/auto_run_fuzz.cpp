// The start-up check of the auto-run entry, with whatever another program or an older copy left in
// the registry under the executable's name, and any path the program runs from.

#include <string>

#include "desktop/auto_run.h"
#include "fake_registry.h"
#include "fuzz_input.h"
#include "recording_dialogs.h"

using namespace orvanta;

namespace {

// The same path for Windows' purposes here: equal once a to z are put in upper case.
std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t switches = input.Byte();
    const bool keyThere = (switches & 1) != 0;
    const bool storedAsString = (switches & 2) != 0;
    const std::string executablePath(input.Line());
    const std::string stored(input.Rest());

    FakeRegistry registry;
    registry.refuseWrites = (switches & 4) != 0;
    if (keyThere) {
        registry.AddKey(kAutoRunRoot, kAutoRunKey).values[ExecutableFileName(executablePath)] = {storedAsString,
                                                                                                 stored};
    }
    RecordingDialogs dialogs;
    dialogs.answers = {(switches & 8) != 0 ? DialogButton::Yes : DialogButton::No};

    const bool checked = Check_Auto_Run_Path({registry.Factory(), dialogs, executablePath});

    fuzz::Require(registry.accessesAlive == 0, "a registry access outlived its routine");
    const bool entryThere = keyThere && storedAsString && !stored.empty();
    fuzz::Require(checked == entryThere, "the check mark does not follow the entry");
    if (!entryThere || AsciiUpper(stored) == AsciiUpper(executablePath)) {
        fuzz::Require(dialogs.shown.empty(), "a question about an entry that needs none");
        return 0;
    }
    fuzz::Require(!dialogs.shown.empty() && dialogs.shown[0].buttons == ButtonSet::YesNo, "no question asked");
    const std::string now = registry.Find(kAutoRunRoot, kAutoRunKey)->values[ExecutableFileName(executablePath)].data;
    const bool rewritten = (switches & 8) != 0 && !registry.refuseWrites;
    fuzz::Require(now == (rewritten ? executablePath : stored), "the entry holds the wrong path afterwards");
    return 0;
}
