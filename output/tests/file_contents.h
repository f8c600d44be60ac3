// Test support: the bytes of a whole file (empty when it cannot be read).
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
