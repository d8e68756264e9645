# Windows builds (MinGW-w64, usually cross-compiled by scripts/build-windows.sh): GUI programs
# without a console, program icons made from the PNGs. The programs use the GCC runtime DLLs the
# Qt DLLs need anyway, so that one C++ runtime serves the whole process.

# GCC 12 warns of overlapping copies inside std::string's own concatenation (GCC bug 105329),
# a false alarm that would bury the real warnings of a Release build.
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()

find_program(QUILLON_MAGICK NAMES convert magick REQUIRED)

# quillon_windows_icon(<name>): builds <build>/windows/icons/<name>.ico from
# packaging/icons/<name>-<size>.png (Windows programs, shortcuts and installers take .ico only).
function(quillon_windows_icon name)
    set(ico ${CMAKE_BINARY_DIR}/windows/icons/${name}.ico)
    set(pngs)
    foreach(size 16 24 32 48 64 128 256)
        list(APPEND pngs ${PROJECT_SOURCE_DIR}/packaging/icons/${name}-${size}.png)
    endforeach()
    add_custom_command(
        OUTPUT ${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/windows/icons
        COMMAND ${QUILLON_MAGICK} ${pngs} ${ico}
        DEPENDS ${pngs}
        COMMENT "Making the icon ${name}.ico"
        VERBATIM)
    add_custom_target(${name}_ico DEPENDS ${ico})
endfunction()

# quillon_windows_program(<target>): a GUI program (no console window) carrying the icon of
# the same name as its first icon resource, the one Explorer and the Start menu show.
function(quillon_windows_program target)
    quillon_windows_icon(${target})
    set(ico ${CMAKE_BINARY_DIR}/windows/icons/${target}.ico)
    set(rc ${CMAKE_BINARY_DIR}/windows/icons/${target}.rc)
    file(WRITE ${rc} "1 ICON \"${ico}\"\n")
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS ${ico})
    add_dependencies(${target} ${target}_ico)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()
