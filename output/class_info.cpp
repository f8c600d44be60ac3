#include "output/class_info.h"

#include "output/output.h"

namespace output {

const ClassInfo templateClass{CLSID_Template,    IID_ITemplate,    "Output.Template.1",
                              "Output.Template", "Template Class", 1.0f,
                              templateErrors,    CreateTemplate};
const ClassInfo canvasClass{CLSID_Canvas,   IID_ICanvas, "Output.Canvas.1", "Output.Canvas",
                            "Canvas Class", 2003.02f,    canvasErrors,      CreateCanvas};
const ClassInfo previewClass{CLSID_Preview,   IID_IPreview, "Output.Preview.1", "Output.Preview",
                             "Preview Class", 1.0f,         previewErrors,      CreatePreview};
const ClassInfo graphClass{CLSID_Graph,   IID_IGraph, "Output.Graph.1", "Output.Graph",
                           "Graph Class", 1.0f,       graphErrors,      CreateGraph};

namespace {

const ClassInfo* const classes[] = {&templateClass, &canvasClass, &previewClass, &graphClass};

} // namespace

std::span<const ClassInfo* const> Classes() {
    return classes;
}

const ClassInfo* FindClass(REFCLSID classId) {
    for (const ClassInfo* info : classes) {
        if (info->classId == classId) {
            return info;
        }
    }
    return nullptr;
}

} // namespace output
