// Runs a fuzz target once over every file of the given folders (or the given files), in
// name order, without libFuzzer: the regular build replays the corpus this way.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = argv[i];
        std::error_code error;
        if (fs::is_directory(arg, error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else if (fs::is_regular_file(arg, error)) {
            inputs.push_back(arg);
        } else {
            std::cerr << "replay: no such file or folder: " << arg << "\n";
            return 2;
        }
    }
    if (inputs.empty()) {
        std::cerr << "replay: no inputs\n";
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());

    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            std::cerr << "replay: cannot read " << path << "\n";
            return 2;
        }
        std::cout << path.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << "replay: " << inputs.size() << " inputs\n";
    return 0;
}
