// libcaddow.so, the common dialogs of the family: the financial representative's own record
// (AgentInfo), kept in section "Agent Information" of the shared profile "Hux.INI" and edited in
// the modal dialog "Financial Representative Information"; the client picker "Open Client" over
// the client entries ("C" and a number) at the top level of a record database; the next free
// client entry name; a client's full name; and the tables of state codes, state names and name
// suffixes.
//
// Every export is a plain C function for the host's user-interface thread. The dialogs keep their
// data in library-wide variables while they are open, so only one of each runs at a time. Texts
// are Windows-1252 and NUL-terminated within their fields.
#pragma once

#include "platform/win32/winuser.h"

#include <cstdint>

extern "C" {

#define CADDOW_EXPORT __attribute__((visibility("default")))

// The layouts below are the hosts' byte for byte: no padding anywhere.
#pragma pack(push, 1)

// The representative's record (405 bytes). The state is an index into _StateCode and _StateName;
// the license number is required for California (index 4).
struct AgentInfo {
    char name[32];
    char number[32];
    char agency[40];
    char workPhone[32];
    char homePhone[32];
    char fax[32];
    char streetAddress[128];
    char city[32];
    std::int16_t state;
    char zip[11];
    char licenseNumber[32];
};

// A client's record (386 bytes), the data of a database entry "C<number>"; written by the host.
struct ClientRecord {
    char text[32]; // shown in parentheses after the name in the picker
    char firstName[32];
    char lastName[32];
    char middleInitial;  // none when 0 or a blank
    std::int16_t suffix; // index into _Rank; 0, or anything outside 1-6, is none
    char rest[287];      // the host's; not used here
};

#pragma pack(pop)

// The tables are arrays of pointers to constant strings, as hosts declare them.
// Name suffixes: "", "Sr.", "Jr.", "II", "III", "IV", "V".
CADDOW_EXPORT extern const char* _Rank[7];
// The 50 states and the District of Columbia, alphabetical by name: "AL" "Alabama" first, "WY"
// "Wyoming" last.
CADDOW_EXPORT extern const char* _StateCode[51];
CADDOW_EXPORT extern const char* _StateName[51];

// The library's entry procedure: keeps the instance on process attach (reason 1), where the
// dialog templates are found. Answers 1.
CADDOW_EXPORT BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Copies "99.01" into `buffer` (when given) as strncpy would with `length`. Answers 0x9901.
CADDOW_EXPORT unsigned _ComVersion(char* buffer, unsigned length);

// Fills the record from the profile: missing keys give empty texts, and a state outside 0-50
// (read as a 16-bit number) gives 0.
CADDOW_EXPORT void _ComReadAgentInfo(AgentInfo* record);
// Writes the record's ten texts and its state index to the profile.
CADDOW_EXPORT void _ComWriteAgentInfo(const AgentInfo* record);

// The representative dialog. On OK the record is saved to the profile and replaces the caller's;
// on Cancel the caller's record is unchanged. Cancel is refused while the record passed in lacks
// a required item, so the dialog ends only with complete information.
CADDOW_EXPORT void _ComAgentDlg(HWND owner, AgentInfo* record);

// The client picker over the database open under `database` (the working entry does not
// matter). Answers 0 with the chosen entry's name in `entryName`, or 1 with it empty after
// Cancel. `entryName` holds 257 bytes. The user may delete clients from the database here.
CADDOW_EXPORT int _ComOpenClientDlg(HWND owner, int database, char* entryName);

// The next free client entry name: "C" and one more than the largest number after a "C" at the
// top level of the database, "C0" when there is none. `entryName` holds 257 bytes. Answers 0;
// 7 with an empty name when the next name would be longer than an entry name may be.
CADDOW_EXPORT int _ComCreateNewClient(int database, char* entryName);

// The client's full name, "John Q. Public Jr.", into `out`, which holds 73 bytes (names that
// fill their whole fields without a terminator included).
CADDOW_EXPORT void _ComMakeFullName(char* out, const ClientRecord* record);

CADDOW_EXPORT INT_PTR AgentDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
CADDOW_EXPORT INT_PTR ClientDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#undef CADDOW_EXPORT

} // extern "C"

static_assert(sizeof(AgentInfo) == 405);
static_assert(sizeof(ClientRecord) == 386);
