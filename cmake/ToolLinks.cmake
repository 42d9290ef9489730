# The program runs its conversion tools from folders beside its executable. On Debian these are
# links to the packaged tools; the system's own folder comes first so that same-named wrappers on
# the search path are not picked.
set(LUMIO_TOOL_LINKS
    "ImageMagick/convert|convert"
    "ImageMagick/dcraw|dcraw"
    "ffmpeg/ffmpeg|ffmpeg"
    "ffmpeg/qt-faststart|qt-faststart")

set(lumio_tool_link_files)
foreach(entry IN LISTS LUMIO_TOOL_LINKS)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 link)
    list(GET parts 1 tool)
    string(MAKE_C_IDENTIFIER "LUMIO_TOOL_${tool}" variable)
    find_program(${variable} NAMES ${tool} PATHS /usr/bin NO_DEFAULT_PATH)
    find_program(${variable} NAMES ${tool})
    if(NOT ${variable})
        # Not installed yet: the link points where the package puts it.
        set(${variable} /usr/bin/${tool})
    endif()
    set(link_path ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${link})
    get_filename_component(link_folder ${link_path} DIRECTORY)
    add_custom_command(
        OUTPUT ${link_path}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${link_folder}
        COMMAND ${CMAKE_COMMAND} -E create_symlink ${${variable}} ${link_path}
        COMMENT "Linking ${link} to ${${variable}}"
        VERBATIM)
    list(APPEND lumio_tool_link_files ${link_path})
endforeach()

add_custom_target(lumio_tool_links ALL DEPENDS ${lumio_tool_link_files})
# The project's own reader of HEIF photos sits beside the program like the tools.
add_dependencies(lumio_tool_links lumio-heif-decode)
add_dependencies(lumio-uploader lumio_tool_links)
