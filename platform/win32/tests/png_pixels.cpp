#include "platform/win32/tests/png_pixels.h"

#include "platform/testing/outside_tool.h"

std::string PillowPixel(const std::filesystem::path& file, int x, int y) {
    return testkit::RunTool({testkit::kSystemPython, "-c",
                             "import sys\n"
                             "from PIL import Image\n"
                             "im = Image.open(sys.argv[1]).convert('RGB')\n"
                             "print(im.size, im.getpixel((int(sys.argv[2]), int(sys.argv[3]))))\n",
                             file.string(), std::to_string(x), std::to_string(y)})
        .output;
}
