# Installing like a desktop program: executables in bin/, the shipped data read-only in
# share/tessaryn/ (each user works in a copy of their own), the menu entry, icons, the MIME types
# of the program's files and the manual pages; `make package` wraps it all in a .deb.
include(GNUInstallDirs)

# The program finds its data as ../share/tessaryn beside its bin folder.
set(TESSARYN_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaryn)
set(PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS tessaryn-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TESSARYN_DATA_DESTINATION})
install(FILES ${PACKAGING}/tessaryn-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET tessaryn)
    install(TARGETS tessaryn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PACKAGING}/tessaryn.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PACKAGING}/tessaryn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PACKAGING}/tessaryn-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME tessaryn.xml)
    set(ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${PACKAGING}/icons/tessaryn.svg DESTINATION ${ICONS}/scalable/apps)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${PACKAGING}/icons/tessaryn-${size}.png
                DESTINATION ${ICONS}/${size}x${size}/apps RENAME tessaryn.png)
    endforeach()
    # Qt only recommends its platform plugins, yet no window opens without them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()

if(TESSARYN_TESTS)
    add_test(NAME InstalledRun
             COMMAND ${CMAKE_SOURCE_DIR}/tests/install/installed-run ${CMAKE_BINARY_DIR}
                     ${CMAKE_COMMAND})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaryn)
set(CPACK_PACKAGE_VENDOR "Tessaryn developers")
set(CPACK_PACKAGE_CONTACT "Tessaryn developers <tessaryn@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build 3D models out of virtual toy construction bricks")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program for building 3D models out of virtual toy construction bricks and \
looking at them from any side, drawn by its own software renderer, with LDraw exchange and \
the command-line tool tessaryn-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The dependencies come from the libraries the executables link; the booklets' text needs a
# font as well, which cairo finds through fontconfig.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CPACK_DEBIAN_PACKAGE_DEPENDS)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", fonts-dejavu-core")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
endif()
include(CPack)
