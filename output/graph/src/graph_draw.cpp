// Graph.Draw: the rendered picture handed back or written to a file by the module's image
// writers.
#include "output/graph/graph_renderer.h"
#include "output/image/bmp_writer.h"
#include "output/image/gif_writer.h"

namespace output {

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
        outcome = WriteBmpFile(name, picture) == BmpWriteResult::OK ? GraphError::OK
                                                                    : GraphError::CannotAccessFile;
        break;
    case GraphFormat::Gif:
        outcome = GifWriter().Write(name, picture) == GifWriteResult::OK
                      ? GraphError::OK
                      : GraphError::CannotAccessFile;
        break;
    default:
        outcome = GraphError::InvalidFormat;
        break;
    }
    DeleteObject(picture);
    return outcome;
}

} // namespace output
