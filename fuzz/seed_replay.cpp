// The entry point of a fuzz target in the normal build: instead of libFuzzer's search, every input
// named on the command line (a file, or each regular file of a folder, in name order) goes once
// through the target's LLVMFuzzerTestOneInput. A crash, an abort or a sanitizer report ends the
// run with a failure, as it would end a fuzzing run; a run that found no input fails too, so that
// a target registered without seeds is noticed.
//   <target> <input file or folder>...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the targets that set something up once before the first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// The files named by `arguments`: files as they are, folders as their regular files sorted by
// name. Answers false, with a line on standard error, when an argument is neither.
bool CollectInputs(int argc, char** argv, std::vector<std::filesystem::path>& inputs) {
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument = argv[i];
        std::error_code error;
        if (std::filesystem::is_regular_file(argument, error)) {
            inputs.push_back(argument);
        } else if (std::filesystem::is_directory(argument, error)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(argument, error)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else {
            std::fprintf(stderr, "seed replay: %s is neither a file nor a folder\n", argv[i]);
            return false;
        }
    }
    return true;
}

// Every byte of `file`, or false when it cannot be read.
bool ReadInput(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && in.is_open();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    if (!CollectInputs(argc, argv, inputs)) {
        return 2;
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "seed replay: no input to replay\n");
        return 1;
    }
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    for (const auto& input : inputs) {
        std::string bytes;
        if (!ReadInput(input, bytes)) {
            std::fprintf(stderr, "seed replay: cannot read %s\n", input.c_str());
            return 1;
        }
        std::printf("seed replay: %s (%zu bytes)\n", input.c_str(), bytes.size());
        std::fflush(stdout);
        // A buffer of exactly the input's size, as libFuzzer gives, so that a read past its end
        // is caught by the sanitizers.
        const auto data = std::make_unique<std::uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), data.get());
        LLVMFuzzerTestOneInput(data.get(), bytes.size());
    }
    std::printf("seed replay: %zu inputs replayed\n", inputs.size());
    return 0;
}
