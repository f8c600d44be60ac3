// The classes whose own members come with later work: for now they answer their common members.
#include "output/class_info.h"
#include "output/common_object.h"
#include "output/member_tables.h"

#include <new>

namespace output {

namespace {

template <class Interface>
class CommonOnlyObject final : public OutputObject<Interface> {
public:
    CommonOnlyObject(automation::ServerLock& server, const ClassInfo& info,
                     std::span<const automation::DispatchMember<Interface>> members)
        : OutputObject<Interface>(server, info, members) {}
};

template <class Interface>
IUnknown* Create(automation::ServerLock& server, const ClassInfo& info,
                 std::span<const automation::DispatchMember<Interface>> members) {
    return new (std::nothrow) CommonOnlyObject<Interface>(server, info, members);
}

} // namespace

IUnknown* CreateCanvas(automation::ServerLock& server) {
    return Create<ICanvas>(server, canvasClass, CanvasMembers());
}

IUnknown* CreatePreview(automation::ServerLock& server) {
    return Create<IPreview>(server, previewClass, PreviewMembers());
}

IUnknown* CreateGraph(automation::ServerLock& server) {
    return Create<IGraph>(server, graphClass, GraphMembers());
}

} // namespace output
