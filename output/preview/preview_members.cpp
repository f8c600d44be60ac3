// The Preview class's member table: IPreview in slot order. The dispatch ids of Open to Dialog do
// not follow the slots.
#include "output/member_tables.h"

namespace output {

namespace {

using Member = automation::DispatchMember<IPreview>;

} // namespace

std::span<const automation::DispatchMember<IPreview>> PreviewMembers() {
    static const auto kRows = WithCommonMembers<IPreview>({
        Member::Method<&IPreview::Reset>(11, "Reset", dispidPreviewReset),
        Member::Method<&IPreview::Add>(12, "Add", dispidPreviewAdd),
        Member::Method<&IPreview::Get>(13, "Get", dispidPreviewGet),
        Member::Method<&IPreview::Set>(14, "Set", dispidPreviewSet),
        Member::Method<&IPreview::Insert>(15, "Insert", dispidPreviewInsert),
        Member::Method<&IPreview::Delete>(16, "Delete", dispidPreviewDelete),
        Member::Property(17, "Count", dispidPreviewCount, &IPreview::get_Count),
        Member::Method<&IPreview::Open>(18, "Open", dispidPreviewOpen),
        Member::Method<&IPreview::Refresh>(19, "Refresh", dispidPreviewRefresh),
        Member::Method<&IPreview::Resize>(20, "Resize", dispidPreviewResize),
        Member::Property(21, "SizeX", dispidPreviewSizeX, &IPreview::get_SizeX),
        Member::Property(22, "SizeY", dispidPreviewSizeY, &IPreview::get_SizeY),
        Member::Method<&IPreview::Close>(23, "Close", dispidPreviewClose),
        // The window's place and size go in and come back.
        Member::Method<&IPreview::Dialog>(24, "Dialog", dispidPreviewDialog, {3, 4, 5, 6}),
    });
    return kRows;
}

} // namespace output
