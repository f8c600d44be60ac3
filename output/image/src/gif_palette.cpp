#include "output/image/src/gif_palette.h"

#include <algorithm>
#include <unordered_map>

namespace output {

namespace {

constexpr std::size_t kMaxColours = 256;

int SquaredDistance(COLORREF a, COLORREF b) {
    const int red = GetRValue(a) - GetRValue(b);
    const int green = GetGValue(a) - GetGValue(b);
    const int blue = GetBValue(a) - GetBValue(b);
    return red * red + green * green + blue * blue;
}

std::uint8_t NearestIndex(const std::vector<COLORREF>& palette, COLORREF colour) {
    std::size_t nearest = 0;
    int nearestDistance = SquaredDistance(palette[0], colour);
    for (std::size_t i = 1; i < palette.size(); ++i) {
        const int distance = SquaredDistance(palette[i], colour);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(nearest);
}

} // namespace

IndexedImage IndexColours(std::span<const COLORREF> pixels) {
    // Colours in the order they first occur, with their counts.
    std::unordered_map<COLORREF, std::size_t> slotOf;
    std::vector<COLORREF> colours;
    std::vector<std::uint64_t> counts;
    // Pages are mostly long runs of one colour: a run is looked up once.
    std::size_t slot = 0;
    COLORREF previous = 0;
    bool havePrevious = false;
    for (COLORREF pixel : pixels) {
        const COLORREF colour = pixel & 0xFFFFFFu;
        if (!havePrevious || colour != previous) {
            auto [place, added] = slotOf.try_emplace(colour, colours.size());
            if (added) {
                colours.push_back(colour);
                counts.push_back(0);
            }
            slot = place->second;
            previous = colour;
            havePrevious = true;
        }
        ++counts[slot];
    }

    std::vector<std::size_t> order(colours.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });
    order.resize(std::min(order.size(), kMaxColours));

    IndexedImage image;
    for (std::size_t keptSlot : order) {
        image.palette.push_back(colours[keptSlot]);
    }
    while (image.bits < 8 && (std::size_t{1} << image.bits) < image.palette.size()) {
        ++image.bits;
    }

    // Every distinct colour's index once, then every pixel's.
    std::vector<std::uint8_t> indexOfSlot(colours.size());
    std::vector<bool> kept(colours.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i) {
        indexOfSlot[order[i]] = static_cast<std::uint8_t>(i);
        kept[order[i]] = true;
    }
    for (std::size_t other = 0; other < colours.size(); ++other) {
        if (!kept[other]) {
            indexOfSlot[other] = NearestIndex(image.palette, colours[other]);
        }
    }
    image.indices.reserve(pixels.size());
    havePrevious = false;
    for (COLORREF pixel : pixels) {
        const COLORREF colour = pixel & 0xFFFFFFu;
        if (!havePrevious || colour != previous) {
            slot = slotOf.find(colour)->second;
            previous = colour;
            havePrevious = true;
        }
        image.indices.push_back(indexOfSlot[slot]);
    }
    return image;
}

} // namespace output
