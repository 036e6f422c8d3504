# Installation under the usual paths and the Debian package (cpack -G DEB):
#   /usr/bin                         zorvek, zorvek-cli
#   /usr/libexec/zorvek              zorvek-xlsx-writer (run by the programs, not by users)
#   /usr/share/zorvek                print templates and delivered documents (InstallPaths)
#   /usr/share/applications          the menu entry; /usr/share/icons/hicolor its icon
#   /usr/share/metainfo              the AppStream description
#   /usr/share/doc/zorvek, /usr/share/man/man1
# The help pages and the command icons are compiled into the program.
include(GNUInstallDirs)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(app_icons ${PROJECT_SOURCE_DIR}/resources/app)

install(TARGETS zorvek zorvek-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zorvek-xlsx-writer RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/zorvek)
install(FILES ${desktop}/zorvek.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/zorvek.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${app_icons}/zorvek-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zorvek.png)
endforeach()
install(FILES ${app_icons}/zorvek.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the changelog and the manual pages compressed, reproducibly (gzip -n: no name, no time).
find_program(ZORVEK_GZIP gzip REQUIRED)
set(gz_dir ${PROJECT_BINARY_DIR}/package-docs)
set(gz_files)
foreach(pair "changelog;changelog.gz" "zorvek.1;zorvek.1.gz" "zorvek-cli.1;zorvek-cli.1.gz")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${gz_dir}/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${gz_dir}
        COMMAND ${ZORVEK_GZIP} -9n -c ${desktop}/${source} > ${gz_dir}/${target}
        DEPENDS ${desktop}/${source} VERBATIM)
    list(APPEND gz_files ${gz_dir}/${target})
endforeach()
add_custom_target(zorvek_package_docs ALL DEPENDS ${gz_files})
install(FILES ${desktop}/copyright ${gz_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${gz_dir}/zorvek.1.gz ${gz_dir}/zorvek-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvek developers")
set(CPACK_PACKAGE_CONTACT "Zorvek developers <zorvek@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "knowledge-testing workstation for contact network staff")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Exams drawn at random from the question banks of nine specialist categories\n\
on electrical-safety rules, self-training with instant feedback, the unit's\n\
staff list and the knowledge-check journal, printed as documents or written\n\
as spreadsheets. The interface is in Russian.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time is listed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libreoffice-writer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
