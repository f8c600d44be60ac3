// The Tallowmere factor library, libtallowmere.so: life-expectancy divisors from the current IRS
// tables and from the pre-2002 annuity tables, a person's age on a date, and the date on which a
// person reaches an age and a half. The library keeps no state and reads only constant tables,
// so any function may be called at any time from any thread.
//
// The program binds the library by name at its first call (dlopen, then dlsym of each name).
// The library exports exactly the twelve names below and nothing else. ELF has no ordinals:
// every function is found by its name only. x86-64 Linux has one calling convention, so the
// functions that the Windows library exported with the Windows API convention and their `_c_`
// twins (the C convention there) are all plain C functions here.
//
// Arguments and results:
// - Whole numbers are 16-bit signed integers passed by value.
// - A text argument is zero-terminated single-byte (ANSI) text, read and never written; a null
//   pointer reads as empty text. A date is "MM/DD/YYYY".
// - A factor is a 32-bit float. Codes travel in its place; every divisor in the tables is below
//   100, so a result of 101 or more is always a code:
//     101 start age below 0         201 current age below 0        301 start age above current
//     102 start age above 115       202 current age above 115      401 single-factor mode
//                                                                  outside -2..1
//     501 joint-factor mode outside -2..2
// - A text result is a BSTR of single-byte characters (a date is 10 bytes) that belongs to the
//   caller, who frees it with SysFreeString (platform/automation/bstr.h). It is null only when
//   memory runs out.
#pragma once

#include "platform/automation/bstr.h"

#include <cstdint>

#define TALLOWMERE_FACTORS_API extern "C" __attribute__((visibility("default")))

// Single-life divisor. The checks run in the order of the codes above and the first that fails
// gives the result. Mode 0: the divisor at the start age less the years elapsed since (current
// age - start age), at least 1.0. Modes -2, -1 and 1: the divisor at the current age, as
// published. RMDSINGLEFACTOR reads the current Single Life Table; RMDSINGLEFACTOR2001 reads the
// pre-2002 Table V, and where the project's copy of Table V lacks the age it answers what
// RMDSINGLEFACTOR answers.
TALLOWMERE_FACTORS_API float RMDSINGLEFACTOR(std::int16_t mode, std::int16_t startAge,
                                             std::int16_t currentAge);
TALLOWMERE_FACTORS_API float RMDSINGLEFACTOR2001(std::int16_t mode, std::int16_t startAge,
                                                 std::int16_t currentAge);

// Joint-and-last-survivor divisor. A mode outside -2..2 gives 501. Each age is clamped into the
// table (0..115 for RMDJOINTFACTOR, 5..115 for RMDJOINTFACTOR2001). Modes -2 and 0: the first age
// with the age ten years younger (not below the table's lowest age), so that from age 70 up
// RMDJOINTFACTOR gives the Uniform Lifetime divisor; modes -1 and 1: the same, except that a
// second person more than ten years younger is looked up at the actual ages; mode 2: the actual
// ages, in either order. RMDJOINTFACTOR2001 reads the pre-2002 Table VI, and where the project's
// copy of Table VI lacks the pair it answers the current table's value of the same cell (the
// ages as clamped and paired for Table VI).
TALLOWMERE_FACTORS_API float RMDJOINTFACTOR(std::int16_t firstAge, std::int16_t secondAge,
                                            std::int16_t mode);
TALLOWMERE_FACTORS_API float RMDJOINTFACTOR2001(std::int16_t firstAge, std::int16_t secondAge,
                                                std::int16_t mode);

// Age in whole years on the as-of date: mode 0 at the last birthday (a birthday on the as-of date
// counts), any other mode at the nearest birthday (half a year is 182 days; years have 365 days
// and February 29 counts as March 1). -1000 when either date is not valid or the as-of year is
// not after the birth year. A valid date is exactly 10 characters, month 1-12 in characters 1-2,
// day in 4-5 within its month (February 29 in every year divisible by 4), year 1000-2200 in
// 7-10; the separators are not examined.
TALLOWMERE_FACTORS_API std::int16_t CALCULATEAGE(const char* birthDate, const char* asOfDate,
                                                 std::int16_t mode);

// The date on which a person born on `birthDate` reaches `years` and a half: six months after
// the birthday of that age, the day cut to the month's length (February always 28). The text
// "00/00/0000" when the birth date is not valid or the new year falls outside 0..9999.
TALLOWMERE_FACTORS_API BSTR CALCDATEHALFAGE(const char* birthDate, std::int16_t years);

// The Windows entry procedure, kept as an export; nothing calls it at load. It does no work and
// answers 1 for the reasons 0 to 3 (process detach, process attach, thread attach, thread
// detach) and 0 for any other.
TALLOWMERE_FACTORS_API std::int32_t LIBMAIN(std::int32_t instance, std::int32_t reason,
                                            std::int32_t reserved);

// The C-convention twins: the same answers as the functions of the same upper-case name.
TALLOWMERE_FACTORS_API float _c_rmdsinglefactor(std::int16_t mode, std::int16_t startAge,
                                                std::int16_t currentAge);
TALLOWMERE_FACTORS_API float _c_rmdsinglefactor2001(std::int16_t mode, std::int16_t startAge,
                                                    std::int16_t currentAge);
TALLOWMERE_FACTORS_API float _c_rmdjointfactor(std::int16_t firstAge, std::int16_t secondAge,
                                               std::int16_t mode);
TALLOWMERE_FACTORS_API float _c_rmdjointfactor2001(std::int16_t firstAge, std::int16_t secondAge,
                                                   std::int16_t mode);

// CALCULATEAGE on dates given as numbers. -1000 when a number is negative, a month or day is
// above 99 or a year above 9999; otherwise the dates are written as "MM/DD/YYYY" with leading
// zeros (a year of 950 as "0950", which the date check then refuses) and CALCULATEAGE answers.
TALLOWMERE_FACTORS_API std::int16_t _c_calculateage(std::int16_t birthMonth, std::int16_t birthDay,
                                                    std::int16_t birthYear, std::int16_t asOfMonth,
                                                    std::int16_t asOfDay, std::int16_t asOfYear,
                                                    std::int16_t mode);
