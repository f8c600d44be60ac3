// The Template class's member table: ITemplate in slot order.
#include "output/member_tables.h"

namespace output {

namespace {

using Member = automation::DispatchMember<ITemplate>;

} // namespace

std::span<const automation::DispatchMember<ITemplate>> TemplateMembers() {
    static const auto kRows = WithCommonMembers<ITemplate>({
        Member::Property(11, "LogicIf", dispidLogicIf, &ITemplate::get_LogicIf,
                         &ITemplate::put_LogicIf),
        Member::Property(13, "LogicElse", dispidLogicElse, &ITemplate::get_LogicElse,
                         &ITemplate::put_LogicElse),
        Member::Property(15, "LogicEnd", dispidLogicEnd, &ITemplate::get_LogicEnd,
                         &ITemplate::put_LogicEnd),
        Member::Property(17, "TableStart", dispidTableStart, &ITemplate::get_TableStart,
                         &ITemplate::put_TableStart),
        Member::Property(19, "TableStop", dispidTableStop, &ITemplate::get_TableStop,
                         &ITemplate::put_TableStop),
        Member::Property(21, "EntryStart", dispidEntryStart, &ITemplate::get_EntryStart,
                         &ITemplate::put_EntryStart),
        Member::Property(23, "EntryStop", dispidEntryStop, &ITemplate::get_EntryStop,
                         &ITemplate::put_EntryStop),
        Member::Method<&ITemplate::Reset>(25, "Reset", dispidReset),
        Member::Method<&ITemplate::FileRead>(26, "FileRead", dispidFileRead),
        Member::Method<&ITemplate::FileWrite>(27, "FileWrite", dispidFileWrite),
        Member::Method<&ITemplate::SubClear>(28, "SubClear", dispidSubClear),
        Member::Method<&ITemplate::SubToken>(29, "SubToken", dispidSubToken),
        Member::Method<&ITemplate::DoSub>(30, "DoSub", dispidDoSub),
        Member::Method<&ITemplate::DoLogic>(31, "DoLogic", dispidDoLogic),
        Member::Method<&ITemplate::TableClear>(32, "TableClear", dispidTableClear),
        Member::Method<&ITemplate::TableEntry>(33, "TableEntry", dispidTableEntry),
        Member::Method<&ITemplate::DoTable>(34, "DoTable", dispidDoTable),
        Member::Method<&ITemplate::KillInfo>(35, "KillInfo", dispidKillInfo),
        Member::Method<&ITemplate::GetCRC>(36, "GetCRC", dispidGetCRC),
        Member::Method<&ITemplate::Canvas>(37, "Canvas", dispidCanvas),
        Member::Method<&ITemplate::TextRead>(38, "TextRead", dispidTextRead),
        Member::Method<&ITemplate::TextWrite>(39, "TextWrite", dispidTextWrite),
    });
    return kRows;
}

} // namespace output
