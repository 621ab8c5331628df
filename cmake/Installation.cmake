# Installation as on any Linux desktop. The programs and the data they read side by side (the
# game file, the resource modules, the help pages) go to one program folder, lib/marlowe; the
# commands in bin are links to it, so a program started through them still finds its data
# beside its own file. The desktop entry, icons, AppStream file and manual page go where the
# desktop looks for them.
include(GNUInstallDirs)

set(MARLOWE_PROGRAM_FOLDER ${CMAKE_INSTALL_LIBDIR}/marlowe)

install(TARGETS marlowe marlowe-cli RUNTIME DESTINATION ${MARLOWE_PROGRAM_FOLDER})
install(FILES ${CMAKE_BINARY_DIR}/GAMES.DAT ${CMAKE_BINARY_DIR}/solr.dat ${CMAKE_BINARY_DIR}/solp.dat
  ${CMAKE_BINARY_DIR}/SOL.RGF
  DESTINATION ${MARLOWE_PROGRAM_FOLDER})
install(DIRECTORY ${CMAKE_BINARY_DIR}/plus ${CMAKE_BINARY_DIR}/help DESTINATION ${MARLOWE_PROGRAM_FOLDER})

# An installed program folder is not the player's to write, so the two files the program would
# otherwise write there at its first start come with it: the data folder file naming the
# desktop's data folder for every player, and the version file.
set(MARLOWE_FOLDER_FILE ${CMAKE_BINARY_DIR}/install-stage/sol_fold.dat)
set(MARLOWE_VERSION_FILE ${CMAKE_BINARY_DIR}/install-stage/SOLV1000.DAT)
file(WRITE ${MARLOWE_FOLDER_FILE} "[Default Data Folder]\n")
file(WRITE ${MARLOWE_VERSION_FILE} "Kestrel version: 10.00\n")
install(FILES ${MARLOWE_FOLDER_FILE} ${MARLOWE_VERSION_FILE} DESTINATION ${MARLOWE_PROGRAM_FOLDER})

file(RELATIVE_PATH MARLOWE_BIN_TO_PROGRAMS /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MARLOWE_PROGRAM_FOLDER})
foreach(program marlowe marlowe-cli)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    message(STATUS \"Linking: \${bin}/${program}\")
    file(CREATE_LINK \"${MARLOWE_BIN_TO_PROGRAMS}/${program}\" \"\${bin}/${program}\" SYMBOLIC)")
endforeach()

set(DESKTOP_SOURCES ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${DESKTOP_SOURCES}/org.marlowe.Marlowe.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_SOURCES}/org.marlowe.Marlowe.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DESKTOP_SOURCES}/org.marlowe.Marlowe.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/docs/images/playing-klondike.png DESTINATION ${CMAKE_INSTALL_DATADIR}/marlowe/screenshots)
install(FILES ${PROJECT_SOURCE_DIR}/data/man/marlowe-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# `cpack` in the build folder makes a Debian package of the same files.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marlowe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hundreds of patience (solitaire) card games")
set(CPACK_PACKAGE_CONTACT "Marlowe developers <marlowe@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
