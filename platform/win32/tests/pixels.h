// Small bitmaps for pixel tests: a memory context holding a bitmap filled white, and its pixels
// as rows of characters, so that expected pictures can be written by hand.
//   '.' white   '#' black   'r' red   'g' green   'b' blue   'y' yellow   '?' any other colour
#pragma once

#include "platform/win32/windows.h"

#include <string>
#include <vector>

using Picture = std::vector<std::string>;

class TestCanvas {
public:
    TestCanvas(int width, int height, bool monochrome = false);
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    Picture Pixels() const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

char PixelChar(COLORREF color);
// The picture as one text block, for readable failure messages.
std::string Show(const Picture& picture);
