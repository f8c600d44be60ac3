# The resource generator run by tallowmere_add_resources (Resources.cmake):
#   cmake -DDESCRIPTION=<description> -DOUTPUT=<source> -P generate_resources.cmake
# Lines are taken one by one with string(FIND), never as a CMake list, so that texts may hold
# semicolons and brackets.
get_filename_component(base_dir ${DESCRIPTION} DIRECTORY)
file(READ ${DESCRIPTION} text)
string(REPLACE "\r" "" text "${text}")

set(data "")
set(entries "")
set(count 0)
set(line_number 0)

# The bytes of `file` from `offset` on, as a C++ initialiser list, in `out`.
function(bytes_of file offset out)
    file(READ ${file} hex OFFSET ${offset} HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
                         hex "${hex}")
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# A resource name or type as the entry's LPCSTR: a number becomes MAKEINTRESOURCEA.
function(name_expression name out)
    if(name MATCHES "^[0-9]+$")
        set(${out} "MAKEINTRESOURCEA(${name})" PARENT_SCOPE)
    else()
        set(${out} "\"${name}\"" PARENT_SCOPE)
    endif()
endfunction()

while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    if(end EQUAL -1)
        set(line "${text}")
        set(text "")
    else()
        string(SUBSTRING "${text}" 0 ${end} line)
        math(EXPR next "${end} + 1")
        string(SUBSTRING "${text}" ${next} -1 text)
    endif()
    math(EXPR line_number "${line_number} + 1")
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()

    set(symbol "kResource${count}")
    if(line MATCHES "^STRING[ \t]+([0-9]+)[ \t]+\"(.*)\"$")
        set(id ${CMAKE_MATCH_1})
        set(body "${CMAKE_MATCH_2}")
        if(id GREATER 65535)
            message(FATAL_ERROR "${DESCRIPTION}:${line_number}: string id ${id} above 65535")
        endif()
        string(APPEND data "constexpr char ${symbol}[] = \"${body}\";\n")
        string(APPEND entries "    {RT_STRING, MAKEINTRESOURCEA(${id}), "
                              "reinterpret_cast<const BYTE*>(${symbol}), sizeof ${symbol} - 1},\n")
    elseif(line MATCHES "^(BITMAP|RCDATA)[ \t]+([A-Za-z0-9_]+)[ \t]+(.+)$")
        set(kind ${CMAKE_MATCH_1})
        set(name ${CMAKE_MATCH_2})
        set(file ${base_dir}/${CMAKE_MATCH_3})
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "${DESCRIPTION}:${line_number}: no file ${file}")
        endif()
        set(offset 0)
        if(kind STREQUAL "BITMAP")
            # A bitmap resource is the DIB without the BITMAPFILEHEADER.
            file(READ ${file} magic LIMIT 2)
            if(NOT magic STREQUAL "BM")
                message(FATAL_ERROR "${DESCRIPTION}:${line_number}: ${file} is not a BMP file")
            endif()
            set(offset 14)
        endif()
        bytes_of(${file} ${offset} bytes)
        name_expression(${name} name_value)
        string(APPEND data "constexpr BYTE ${symbol}[] = {\n    ${bytes}};\n")
        string(APPEND entries "    {RT_${kind}, ${name_value}, ${symbol}, sizeof ${symbol}},\n")
    else()
        message(FATAL_ERROR "${DESCRIPTION}:${line_number}: not a resource line: ${line}")
    endif()
    math(EXPR count "${count} + 1")
endwhile()

if(count EQUAL 0)
    message(FATAL_ERROR "${DESCRIPTION}: no resources")
endif()

file(WRITE ${OUTPUT}.new
"// Generated from ${DESCRIPTION} by cmake/generate_resources.cmake; edit the description.
#include \"platform/win32/module_resources.h\"

namespace {

${data}
const win32::ResourceEntry kEntries[] = {
${entries}};

// Registers this module's resources while the module is loaded.
const win32::ModuleResourcesRegistration kRegistration(kEntries);

} // namespace
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
