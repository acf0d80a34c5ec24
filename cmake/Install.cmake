# What `cmake --install` places, and the packages CPack makes from it: a Debian package on
# Linux (desktop launcher, icons, metainfo, manual page), a zip on Windows.
# The documents go under the package's name, lower case as Debian has it.
set(CMAKE_INSTALL_DOCDIR share/doc/tenantry CACHE PATH "Documentation root (DATAROOTDIR/doc/tenantry)")
include(GNUInstallDirs)

set(_pkg ${PROJECT_SOURCE_DIR}/packaging)
set(_gen ${PROJECT_BINARY_DIR}/packaging)

if(WIN32)
  # The zip holds the program, the README and the licence side by side.
  install(TARGETS tenantry RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
else()
  install(TARGETS tenantry RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The menu entry goes through a small launcher that starts the game in the player's data folder.
  # It finds the game relative to itself, so a staged or relocated install works too.
  file(RELATIVE_PATH TENANTRY_BINARY_FROM_LAUNCHER ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tenantry
    ${CMAKE_INSTALL_FULL_BINDIR}/tenantry)
  set(TENANTRY_LAUNCHER ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tenantry/tenantry-launch)
  configure_file(${_pkg}/tenantry-launch.in ${_gen}/tenantry-launch @ONLY)
  install(PROGRAMS ${_gen}/tenantry-launch DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tenantry)
  configure_file(${_pkg}/tenantry.desktop.in ${_gen}/tenantry.desktop @ONLY)
  install(FILES ${_gen}/tenantry.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  foreach(_side 16 24 32 48 64 128 256 512)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/tenantry_${_side}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_side}x${_side}/apps RENAME tenantry.png)
  endforeach()

  # PLACEHOLDER: the project publishes no web pages yet. AppStream wants the screenshot as a web
  # address, so set this to where docs/screenshots/board.png is served when there is such a place.
  set(TENANTRY_SCREENSHOT_URL "https://tenantry.invalid/screenshots/board.png"
    CACHE STRING "Web address of the screenshot named in the AppStream metainfo")
  configure_file(${_pkg}/tenantry.metainfo.xml.in ${_gen}/tenantry.metainfo.xml @ONLY)
  install(FILES ${_gen}/tenantry.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Debian wants manual pages and changelogs compressed, reproducibly (no name, no time stamp).
  configure_file(${_pkg}/tenantry.6 ${_gen}/tenantry.6 @ONLY)
  find_program(GZIP_PROGRAM gzip REQUIRED)
  add_custom_command(OUTPUT ${_gen}/tenantry.6.gz ${_gen}/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${_gen}/tenantry.6 > ${_gen}/tenantry.6.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${_pkg}/debian/changelog > ${_gen}/changelog.gz
    DEPENDS ${_gen}/tenantry.6 ${_pkg}/debian/changelog)
  add_custom_target(tenantry_docs ALL DEPENDS ${_gen}/tenantry.6.gz ${_gen}/changelog.gz)
  install(FILES ${_gen}/tenantry.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    ${_pkg}/debian/copyright ${_gen}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# --- CPack ---
set(CPACK_PACKAGE_NAME tenantry)
set(CPACK_PACKAGE_VENDOR "The Tenantry developers")
set(CPACK_PACKAGE_CONTACT "The Tenantry developers <developers@tenantry.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tenantry-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Dependencies come from the binary's shared libraries (dpkg-shlibdeps), not from a list.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # CPack indents each line by one space; a line alone of "." is an empty one.
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A board game of property trading for two to eight seats, each played by a\n"
    "person at the shared keyboard and mouse or by the computer. Roll the dice,\n"
    "walk the forty squares, buy the twenty-eight properties, collect rent, draw\n"
    "cards, go to jail and get out again, build houses and hotels, mortgage,\n"
    "trade and auction, until one seat is left.\n"
    ".\n"
    "Drawn with OpenGL; played with the keyboard or the mouse. Games are saved in\n"
    "thirty named slots of one file.")
endif()
include(CPack)
