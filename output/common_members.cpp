// The member tables of the classes whose own members come with later work: the common members
// alone.
#include "output/member_tables.h"

namespace output {

namespace {

template <class Interface>
std::span<const automation::DispatchMember<Interface>> CommonMembersOnly() {
    static const auto rows = CommonMembers<Interface>();
    return rows;
}

} // namespace

std::span<const automation::DispatchMember<ICanvas>> CanvasMembers() {
    return CommonMembersOnly<ICanvas>();
}

std::span<const automation::DispatchMember<IPreview>> PreviewMembers() {
    return CommonMembersOnly<IPreview>();
}

std::span<const automation::DispatchMember<IGraph>> GraphMembers() {
    return CommonMembersOnly<IGraph>();
}

} // namespace output
