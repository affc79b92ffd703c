# Installing Tevo like any Linux program, and its Debian package (cpack -G DEB, or the target
# "package"): the programs in /usr/bin, the desktop entry, the icons, the AppStream metadata
# and the user guide in /usr/share/tevo/help.

set(TEVO_APP_ID example.tevo.Tevo)
# The windows name their desktop entry.
set_source_files_properties(src/shell/Startup.cpp PROPERTIES COMPILE_DEFINITIONS "TEVO_APP_ID=\"${TEVO_APP_ID}\"")

# The programs the package puts into /usr/bin; another program is one more name here.
set(TEVO_INSTALLED_PROGRAMS tevo tevo-cli tevo-scalesim tevo-initdb)

install(TARGETS ${TEVO_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES dist/${TEVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metadata names every installed program.
set(TEVO_PROVIDED_BINARIES)
foreach(program ${TEVO_INSTALLED_PROGRAMS})
  string(APPEND TEVO_PROVIDED_BINARIES "    <binary>${program}</binary>\n")
endforeach()
string(STRIP "${TEVO_PROVIDED_BINARIES}" TEVO_PROVIDED_BINARIES)
set(TEVO_PROVIDED_BINARIES "    ${TEVO_PROVIDED_BINARIES}")
configure_file(dist/${TEVO_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${TEVO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${TEVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/${TEVO_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The bitmap icons are drawn from the scalable one at build time.
find_program(TEVO_RSVG_CONVERT rsvg-convert)
if(NOT TEVO_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) draws the icons; scripts/install-deps.sh installs it")
endif()
set(TEVO_ICON_OUTPUTS)
foreach(size 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TEVO_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${TEVO_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/dist/${TEVO_APP_ID}.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/${TEVO_APP_ID}.svg
    VERBATIM)
  list(APPEND TEVO_ICON_OUTPUTS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tevo-icons ALL DEPENDS ${TEVO_ICON_OUTPUTS})

# The user guide: beside the program in the build folder (build/bin/help), in the shared
# folder when installed.
add_custom_target(tevo-guide ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/doc/guide ${TEVO_BIN_DIR}/help
  COMMENT "Copying the user guide beside tevo")
add_dependencies(tevo tevo-guide)
install(DIRECTORY doc/guide/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tevo/help)

# The manual pages, made from each program's --help and --version at build time (help2man),
# compressed as Debian keeps them; in Russian, the language of the C locale (README, "Languages").
find_program(TEVO_HELP2MAN help2man)
if(NOT TEVO_HELP2MAN)
  message(FATAL_ERROR "help2man makes the manual pages; scripts/install-deps.sh installs it")
endif()
set(TEVO_MAN_NAME_tevo "the window of Tevo: goods, messages and scales of a shop, exchanged with label-printing scales")
set(TEVO_MAN_NAME_tevo-cli "Tevo's exchanges with the scales and its file commands without the window")
set(TEVO_MAN_NAME_tevo-initdb "make Tevo's database (a file or on a PostgreSQL server) and its dBase template")
set(TEVO_MAN_NAME_tevo-scalesim "a simulated label-printing scale for trying Tevo without scales")
set(TEVO_MAN_OUTPUTS)
foreach(program ${TEVO_INSTALLED_PROGRAMS})
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen
            ${TEVO_HELP2MAN} --no-info --no-discard-stderr --locale=C.UTF-8 --section=1 --name=${TEVO_MAN_NAME_${program}}
            --output=${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program}
    VERBATIM)
  list(APPEND TEVO_MAN_OUTPUTS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(tevo-man ALL DEPENDS ${TEVO_MAN_OUTPUTS})

# /usr/share/doc/tevo: the README, the changelog (Debian's format) and the machine-readable
# copyright file.
set(TEVO_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${TEVO_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/dist/changelog > ${TEVO_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/dist/changelog)
add_custom_target(tevo-changelog ALL DEPENDS ${TEVO_CHANGELOG})
install(FILES ${TEVO_CHANGELOG} dist/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tevo)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tevo)

# The package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tevo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tevo")
set(CPACK_PACKAGING_INSTALL_PREFIX ${TEVO_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "goods, messages and settings for label-printing scales")
# (Lines of at most 80 characters, as Debian's rules ask.)
set(CPACK_PACKAGE_DESCRIPTION "Tevo keeps a shop's goods list, label messages and scales and exchanges
them with label-printing weighing scales over TCP or RS-232. Its user
interface is in Russian. The package also holds the command line tevo-cli,
the scale simulator tevo-scalesim and the set-up tool tevo-initdb.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tevo support <support@tevo.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not name: the SQLite driver, the window-system plugins and Qt's own
# Russian texts, all loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, qt6-translations-l10n")
# The PostgreSQL driver serves a shop whose Database.ini names a server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_STRIP_FILES ON)
include(CPack)
