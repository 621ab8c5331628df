// Runs a fuzzing harness without libFuzzer: every file named on the command line, and every file
// of every folder named there, is fed to the harness once. A crash or a sanitizer report fails
// the run; otherwise it prints how many inputs it fed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Feed(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given = argv[i];
        if (!std::filesystem::exists(given)) {
            std::cerr << "no such file or folder: " << given.string() << "\n";
            return 2;
        }
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::directory_iterator(given))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.push_back(given);
        }
        for (const auto& file : files) {
            Feed(file);
            ++fed;
        }
    }
    if (fed == 0) {
        std::cerr << "no input to feed\n";
        return 2;
    }
    std::cout << fed << " inputs fed\n";
    return 0;
}
