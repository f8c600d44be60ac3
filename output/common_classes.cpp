// The classes whose own members come with later work: for now they answer their common members.
#include "output/class_info.h"
#include "output/common_object.h"

#include <new>

namespace output {

namespace {

constexpr automation::DispatchMember commonMembers[] = {OUTPUT_COMMON_MEMBERS};

template <class Interface>
class CommonOnlyObject final : public OutputObject<Interface> {
public:
    CommonOnlyObject(automation::ServerLock& server, const ClassInfo& info)
        : OutputObject<Interface>(server, info, commonMembers) {}
};

template <class Interface>
IUnknown* Create(automation::ServerLock& server, const ClassInfo& info) {
    return new (std::nothrow) CommonOnlyObject<Interface>(server, info);
}

} // namespace

IUnknown* CreateCanvas(automation::ServerLock& server) {
    return Create<ICanvas>(server, canvasClass);
}

IUnknown* CreatePreview(automation::ServerLock& server) {
    return Create<IPreview>(server, previewClass);
}

IUnknown* CreateGraph(automation::ServerLock& server) {
    return Create<IGraph>(server, graphClass);
}

} // namespace output
