# Module resources (string tables, bitmaps, raw data) compiled into the module that owns them.
#
# tallowmere_add_resources(<target> <description>)
# Turns the resource description of a module into a C++ source added to <target>. At load the
# source registers the module's resources with the Win32 layer, where FindResourceA, LoadStringA
# and the rest find them by the module's handle and the resource's name.
#
# The description holds one resource a line; blank lines and lines starting with "#" are skipped:
#   STRING <id> "<text>"          a string of the string table; the text is written as the body of
#                                 a C string literal (\n a line break, \" a quote, \\ a backslash)
#                                 and holds Windows-1252 bytes
#   BITMAP <name> <file>          a device-independent bitmap: the file's bytes after its 14-byte
#                                 file header
#   RCDATA <name or id> <file>    the file's bytes as they stand
# Files are relative to the description's folder.
set(TALLOWMERE_RESOURCE_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/generate_resources.cmake)

function(tallowmere_add_resources target description)
    get_filename_component(description ${description} ABSOLUTE)
    get_filename_component(base_dir ${description} DIRECTORY)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)

    # The files a description names are dependencies of the generated source.
    file(STRINGS ${description} file_lines REGEX "^[ \t]*(BITMAP|RCDATA)[ \t]")
    set(inputs)
    foreach(line IN LISTS file_lines)
        string(REGEX REPLACE "^[ \t]*[A-Z]+[ \t]+[^ \t]+[ \t]+" "" file "${line}")
        string(STRIP "${file}" file)
        list(APPEND inputs ${base_dir}/${file})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${description})

    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DDESCRIPTION=${description} -DOUTPUT=${output}
                -P ${TALLOWMERE_RESOURCE_GENERATOR}
        DEPENDS ${description} ${inputs} ${TALLOWMERE_RESOURCE_GENERATOR}
        COMMENT "Compiling the resources of ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    target_link_libraries(${target} PRIVATE platform_win32)
endfunction()
