// Feeds every file of the given corpus folders to a fuzz target once, as
// libFuzzer does when it starts, but without making new inputs: an input
// that once broke a reader is tried again in every test run.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path folder(argv[k]);
        if (!std::filesystem::is_directory(folder)) {
            std::fprintf(stderr, "no corpus folder at %s\n", argv[k]);
            return 1;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
    }
    // A fixed order, so a failure names the same input on every machine.
    std::sort(inputs.begin(), inputs.end());
    for (const std::filesystem::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "%s\n", input.c_str());
        // libFuzzer hands over a pointer even for an empty input.
        static const std::uint8_t nothing = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &nothing : reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    // An empty corpus would check nothing and still pass.
    return inputs.empty() ? 1 : 0;
}
