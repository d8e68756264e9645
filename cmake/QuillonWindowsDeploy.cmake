# The ready-to-run Windows folder: beside the two programs and db1.mdb, the Qt DLLs and plugins
# they load, the GCC runtime DLLs they all use, the Chinese translation of Qt's own dialogs and
# the licence. Nothing of Qt's debug or development files.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PrintSupport)

foreach(module Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
# Pictures are PNG, which Qt Gui reads without a plugin, so no image format plugins are needed;
# printing needs no plugin on Windows.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

set(runtime_dlls libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
foreach(dll IN LISTS runtime_dlls)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()
# Debian's MinGW runtime DLLs carry their symbols (libstdc++ 24 MB, 2 MB without).
install(CODE "
    foreach(dll ${runtime_dlls})
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")

# Qt finds its plugins and translations from the program's folder, not from where it was built.
set(qt_conf ${CMAKE_BINARY_DIR}/windows/qt.conf)
file(WRITE ${qt_conf} "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${qt_conf} DESTINATION .)

# The translation files are the same on every system; Debian's qt6-translations-l10n has them.
find_file(QUILLON_QTBASE_ZH_CN qtbase_zh_CN.qm
          PATHS ${QT_HOST_PATH}/share/qt6/translations /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${QUILLON_QTBASE_ZH_CN} DESTINATION translations)

# The licence, as the installer shows it (QuillonWindowsPackaging).
install(FILES ${QUILLON_WINDOWS_LICENCE} DESTINATION .)
