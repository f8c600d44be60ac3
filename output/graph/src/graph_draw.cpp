// Graph.Draw: the rendered picture handed back or written to a file.
#include "output/graph/graph_renderer.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/drives.h"
#include "platform/win32/bmp_file.h"

#include <string_view>

namespace output {

namespace {

// The picture as name + ".BMP", replaced atomically; false when it cannot be written.
bool WriteBmp(HBITMAP picture, const std::string& name) {
    const std::vector<std::uint8_t> bytes = win32::EncodeBmp(picture);
    if (bytes.empty()) {
        return false;
    }
    try {
        sys::ReplaceFileAtomically(
            sys::ResolvePath(name + ".BMP"),
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    return true;
}

} // namespace

GraphError DrawGraph(const GraphChart& chart, std::int32_t xSize, std::int32_t ySize,
                     const std::string& name, std::int32_t format, HBITMAP& handle) {
    handle = nullptr;
    HBITMAP picture = nullptr;
    if (const GraphError rendered = RenderGraph(chart, xSize, ySize, picture);
        rendered != GraphError::OK) {
        return rendered;
    }
    GraphError outcome = GraphError::OK;
    switch (static_cast<GraphFormat>(format)) {
    case GraphFormat::Handle:
        handle = picture;
        return GraphError::OK;
    case GraphFormat::Bmp:
        outcome = WriteBmp(picture, name) ? GraphError::OK : GraphError::CannotAccessFile;
        break;
    case GraphFormat::Gif:
        // No GIF writer in the module yet: the file cannot be written.
        outcome = GraphError::CannotAccessFile;
        break;
    default:
        outcome = GraphError::InvalidFormat;
        break;
    }
    DeleteObject(picture);
    return outcome;
}

} // namespace output
