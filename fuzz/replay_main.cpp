// Where libFuzzer is not linked (the native build of `make test`), a target is a program that feeds
// each file in the folders it is given to the target once, so that every target is built against
// the code it fuzzes and its seed corpus keeps its properties. A failing property aborts.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int replayed = 0;
    for (int at = 1; at < argc; ++at) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[at])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), {});
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
