// The document commands' paths, from any path the program runs from and any Windows directory the
// system reports: the readme and the catalog beside the executable, and Notepad's command line.

#include <string>
#include <utility>
#include <vector>

#include "desktop/auto_run.h"
#include "desktop/documents.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

class FuzzedShell final : public Shell {
  public:
    FuzzedShell(std::string windowsDirectory, bool notepadThere)
        : windowsDirectory_(std::move(windowsDirectory)), notepadThere_(notepadThere) {}

    bool FileExists(std::string_view path) override { return notepadThere_ && path == Notepad_Path(windowsDirectory_); }
    std::string WindowsDirectory() override { return windowsDirectory_; }
    std::string NameOnDisk(std::string_view path) override { return std::string(path.substr(path.rfind('\\') + 1)); }
    bool StartProgram(std::string_view programPath, std::string_view commandLine) override {
        started.emplace_back(programPath, commandLine);
        return true;
    }
    void Open(std::string_view) override {}

    std::vector<std::pair<std::string, std::string>> started;  // the program, its command line

  private:
    std::string windowsDirectory_;
    bool notepadThere_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const bool notepadThere = (input.Byte() & 1) != 0;
    const std::string windowsDirectory(input.Line());
    const std::string executablePath(input.Rest());

    const std::string folder = ExecutableDirectory(executablePath);
    fuzz::Require(folder + ExecutableFileName(executablePath) == executablePath,
                  "folder and name do not make the path");
    fuzz::Require(Catalog_Path(executablePath) == folder + kCatalogFileName, "the catalog is not beside the program");
    const std::string readme = Readme_Path(executablePath);
    fuzz::Require(readme.starts_with(folder) && readme.ends_with(".txt"), "the readme is not beside the program");
    const std::string readmeName = readme.substr(folder.size(), readme.size() - folder.size() - 4);
    fuzz::Require(readmeName.find_first_of(".\\/") == std::string::npos, "the readme's name holds a dot or folder");

    FuzzedShell shell(windowsDirectory, notepadThere);
    const auto message = View_Readme_File(shell, executablePath);
    if (!notepadThere) {
        fuzz::Require(message == std::optional<std::string>(kNotepadMissingMessage) && shell.started.empty(),
                      "a missing Notepad was not reported");
    } else {
        const std::string notepad = Notepad_Path(windowsDirectory);
        fuzz::Require(
            !message && shell.started == decltype(shell.started){{notepad, Notepad_Command_Line(notepad, readme)}},
            "Notepad was not started on the readme");
    }
    return 0;
}
