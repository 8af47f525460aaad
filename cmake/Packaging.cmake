# Packages: a Debian package on Linux (cpack -G DEB), an NSIS installer and a portable zip in the
# Windows cross build (cpack -G "NSIS;ZIP"). The manual pages come from the programs' --help.

set(CPACK_PACKAGE_NAME orvan2a)
set(CPACK_PACKAGE_VENDOR "Orvan-Programmiersoftware")
set(CPACK_PACKAGE_CONTACT "Orvan-Programmiersoftware <maintainers@users.noreply.c-seed-855867e0.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programmiersoftware für das Orvan 2a/2b")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Liest die 300 Register eines Orvan 2a/2b (Steuergerät von BOS-Funk-\n"
    "anlagen) über die serielle Schnittstelle, zeigt sie auf deutschen\n"
    "Konfigurationsseiten, sendet sie zurück und speichert sie als\n"
    "Registerdateien. Enthält das Programm orvan2a, das Kommandozeilen-\n"
    "werkzeug orvan2a-cli und die simulierte Einheit orvan2a-sim.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/windows/LIESMICH.txt DESTINATION .)
    set(CPACK_GENERATOR "NSIS;ZIP")
    set(CPACK_PACKAGE_FILE_NAME "orvan2a-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orvan2a")
    # 64-bit programs belong in "Program Files", not in "Program Files (x86)".
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    # A 64-bit installer: wine64 (and Windows on ARM) run no 32-bit stub.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    # The entry names a file (the Start menu link): no "/" in it.
    set(CPACK_PACKAGE_EXECUTABLES orvan2a "Orvan 2a-2b Programmiersoftware")
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALLED_ICON_NAME orvan2a.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/app/icons/orvan2a.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/app/icons/orvan2a.ico)
    set(CPACK_NSIS_DISPLAY_NAME "Orvan 2a/2b Programmiersoftware")
    set(CPACK_NSIS_PACKAGE_NAME "Orvan 2a/2b Programmiersoftware")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # Only the installer associates the register files; the portable zip leaves the registry be.
    # Single quotes: CPack writes these values into its configuration without escaping.
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
        "!include '${CMAKE_CURRENT_LIST_DIR}/windows/register-file-type.nsh'")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
        "!include '${CMAKE_CURRENT_LIST_DIR}/windows/unregister-file-type.nsh'")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/orvan2a)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${doc_dir})
    # Debian wants the changelog compressed reproducibly (gzip -n).
    set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
    add_custom_command(OUTPUT ${changelog}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${changelog}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
    set(package_files ${changelog})
    install(FILES ${changelog} DESTINATION ${doc_dir})

    # Manual pages in German from each program's --help. help2man reads its arguments as Latin-1,
    # so the one-line summaries keep to ASCII.
    find_program(HELP2MAN help2man)
    set(summary_orvan2a "Programmiersoftware des Orvan 2a/2b")
    set(summary_orvan2a-cli "Kommandozeilenwerkzeug der Orvan-2a/2b-Programmiersoftware")
    set(summary_orvan2a-sim "simuliertes Orvan 2a/2b an einem Pseudo-Terminal")
    if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
        foreach(program orvan2a orvan2a-cli orvan2a-sim)
            if(TARGET ${program})
                set(page ${CMAKE_BINARY_DIR}/packaging/${program}.1)
                add_custom_command(OUTPUT ${page}.gz
                    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
                            ${HELP2MAN} --no-info --no-discard-stderr -L de_DE.UTF-8
                            -m Benutzerbefehle -S "orvan2a ${PROJECT_VERSION}"
                            --version-string=${PROJECT_VERSION} -n "${summary_${program}}"
                            -o ${page} $<TARGET_FILE:${program}>
                    COMMAND gzip -9nf ${page}
                    DEPENDS ${program}
                    VERBATIM)
                list(APPEND package_files ${page}.gz)
                install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
            endif()
        endforeach()
    endif()
    add_custom_target(package_files ALL DEPENDS ${package_files})
endif()

include(CPack)
