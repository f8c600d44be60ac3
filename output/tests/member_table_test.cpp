// Each class's member table against its interface: the rows follow the interface's slots one by
// one, serve the functions that stand in those slots, and give the dispatch ids in slot order
// unless the class names others.
#include "output/member_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The number of slots of `Interface`: a function that a class derived from it adds takes the
// first slot after them.
template <class Interface>
std::size_t SlotCount() {
    struct Extended : Interface {
        virtual void FirstSlotAfterTheInterface() = 0;
    };
    return automation::VirtualSlot(&Extended::FirstSlotAfterTheInterface).value();
}

// `ids`, when given, are the rows' dispatch ids in row order; otherwise they run from 1.
template <class Interface>
void ExpectTableFollowsInterface(std::span<const automation::DispatchMember<Interface>> rows,
                                 const std::vector<DISPID>& ids = {}) {
    const char* const commonNames[] = {"Server", "ClassName", "ClassVer", "ErrorText"};
    ASSERT_GE(rows.size(), std::size(commonNames));
    std::size_t nextSlot = 7; // after IUnknown's three and IDispatch's four
    DISPID nextId = 1;
    if (!ids.empty()) {
        ASSERT_EQ(rows.size(), ids.size());
    }
    std::set<std::string> names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE(std::string(row.Name()));
        if (i < std::size(commonNames)) {
            EXPECT_EQ(row.Name(), commonNames[i]);
        }
        EXPECT_TRUE(names.insert(std::string(row.Name())).second) << "name given twice";
        EXPECT_EQ(row.Slot(), nextSlot);
        EXPECT_EQ(row.Id(), ids.empty() ? nextId++ : ids[i]);
        for (const auto& slot : row.FunctionSlots()) {
            EXPECT_EQ(slot, nextSlot++);
        }
    }
    EXPECT_EQ(nextSlot, SlotCount<Interface>()) << "slots of the interface without a row";
}

TEST(MemberTable, EveryTableFollowsItsInterface) {
    {
        SCOPED_TRACE("Template");
        ExpectTableFollowsInterface(output::TemplateMembers());
    }
    {
        SCOPED_TRACE("Canvas");
        ExpectTableFollowsInterface(output::CanvasMembers());
    }
    {
        SCOPED_TRACE("Preview");
        // Open to Dialog were numbered apart from their slots.
        ExpectTableFollowsInterface(
            output::PreviewMembers(),
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0xC, 0xF, 0xD, 0x10, 0x11, 0xE, 0x12});
    }
    {
        SCOPED_TRACE("Graph");
        ExpectTableFollowsInterface(output::GraphMembers());
    }
}

TEST(MemberTable, SlotsAreReadFromTheFunctions) {
    EXPECT_EQ(automation::VirtualSlot(&IUnknown::QueryInterface), 0u);
    EXPECT_EQ(automation::VirtualSlot(&IDispatch::Invoke), 6u);
    EXPECT_EQ(automation::VirtualSlot(&output::ITemplate::GetCRC), 36u);
    EXPECT_EQ(SlotCount<IDispatch>(), 7u);
}

} // namespace
