# The Windows installer (CPack's NSIS generator, makensis) and a zip of the same folder for
# users without the right to install: cpack in the build directory makes both.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME quillon-${PROJECT_VERSION}-win64)
# Only the installer carries "-setup" in its name.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/QuillonCPackWindows.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillon)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY quillon)

# The licence with Windows line ends, so that every Notepad shows it as it is; the installer's
# licence page and the program folder (QuillonWindowsDeploy) carry it.
set(quillon_licence ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT EXISTS ${quillon_licence})
    set(quillon_licence /usr/share/common-licenses/GPL-3)
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quillon_licence})
file(READ ${quillon_licence} quillon_licence_text)
string(REPLACE "\n" "\r\n" quillon_licence_text "${quillon_licence_text}")
set(QUILLON_WINDOWS_LICENCE ${CMAKE_BINARY_DIR}/windows/LICENSE.txt)
file(WRITE ${QUILLON_WINDOWS_LICENCE} "${quillon_licence_text}")
unset(quillon_licence_text)
set(CPACK_RESOURCE_FILE_LICENSE ${QUILLON_WINDOWS_LICENCE})

# Start-menu entries named as the Linux menu entries name them.
set(CPACK_PACKAGE_EXECUTABLES)
foreach(quillon_app quillon quillon-lite)
    file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/${quillon_app}.desktop quillon_name
         REGEX "^Name=" LIMIT_COUNT 1 ENCODING UTF-8)
    string(REPLACE "Name=" "" quillon_name "${quillon_name}")
    list(APPEND CPACK_PACKAGE_EXECUTABLES ${quillon_app} "${quillon_name}")
    if(quillon_app STREQUAL quillon)
        set(CPACK_NSIS_DISPLAY_NAME "${quillon_name} (quillon ${PROJECT_VERSION})")
        set(CPACK_NSIS_PACKAGE_NAME "${quillon_name}")
    endif()
endforeach()

set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/windows/icons/quillon.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME quillon.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# An administrator installs for every user (Program Files, the common Start menu); anyone else
# may install for themselves (by default into Documents\quillon) without being asked for an
# administrator's password. The installer is 64-bit (NSIS's amd64 stubs and plugins), as the
# programs are: it writes the 64-bit Program Files and registry without redirection.
set(CPACK_NSIS_DEFINES "RequestExecutionLevel highest\nTarget amd64-unicode")
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS -INPUTCHARSET UTF8)
