#include "output/class_info.h"

#include "output/output.h"

namespace output {

const ClassInfo kTemplateClass{
    CLSID_Template,   IID_ITemplate, "ITemplate",     "Output.Template.1", "Output.Template",
    "Template Class", 1.0f,          kTemplateErrors, CreateTemplate};
const ClassInfo kCanvasClass{CLSID_Canvas,      IID_ICanvas,     "ICanvas",
                             "Output.Canvas.1", "Output.Canvas", "Canvas Class",
                             2003.02f,          kCanvasErrors,   CreateCanvas};
const ClassInfo kPreviewClass{CLSID_Preview,    IID_IPreview,    "IPreview", "Output.Preview.1",
                              "Output.Preview", "Preview Class", 1.0f,       kPreviewErrors,
                              CreatePreview};
const ClassInfo kGraphClass{CLSID_Graph,    IID_IGraph,    "IGraph", "Output.Graph.1",
                            "Output.Graph", "Graph Class", 1.0f,     kGraphErrors,
                            CreateGraph};

namespace {

const ClassInfo* const kClasses[] = {&kTemplateClass, &kCanvasClass, &kPreviewClass, &kGraphClass};

} // namespace

std::span<const ClassInfo* const> Classes() {
    return kClasses;
}

const ClassInfo* FindClass(REFCLSID classId) {
    for (const ClassInfo* info : kClasses) {
        if (info->classId == classId) {
            return info;
        }
    }
    return nullptr;
}

} // namespace output
