# Checks of what the package ships, with the tools a distribution runs on it.

# The manual pages: mandoc's lint, and groff through man as lintian runs it.
add_test(NAME packaging.manual_pages.mandoc
    COMMAND mandoc -T lint -W warning ${manual_pages})
foreach(page IN LISTS manual_pages)
    get_filename_component(name ${page} NAME)
    add_test(NAME packaging.manual_pages.groff.${name}
        COMMAND sh -c "LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z \"$0\" 2>&1 >/dev/null"
                ${page})
    set_tests_properties(packaging.manual_pages.groff.${name} PROPERTIES
        FAIL_REGULAR_EXPRESSION ".")
endforeach()

# AppStream metadata, offline: errors and warnings fail, hints are listed.
add_test(NAME packaging.metainfo
    COMMAND appstreamcli validate --pedantic --no-net ${metainfo_files})

add_test(NAME packaging.desktop_entries
    COMMAND desktop-file-validate ${CMAKE_CURRENT_SOURCE_DIR}/quillon.desktop
            ${CMAKE_CURRENT_SOURCE_DIR}/quillon-lite.desktop)
set_tests_properties(packaging.desktop_entries PROPERTIES FAIL_REGULAR_EXPRESSION ".")

# The Debian package through lintian (about ten seconds). Not for sanitizer builds: their
# programs are not what would be shipped.
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    add_test(NAME packaging.lintian
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
endif()
