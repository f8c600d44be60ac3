#include "platform/win32/tests/png_pixels.h"

#include <cstdio>

std::string PillowPixel(const std::filesystem::path& file, int x, int y) {
    std::string command = "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" +
                          file.string() + "').convert('RGB'); print(im.size, im.getpixel((" +
                          std::to_string(x) + ", " + std::to_string(y) + ")))\"";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}
