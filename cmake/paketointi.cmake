# The player's downloads through CPack: a zip from the Windows build, a Debian package from the native build.
# The version is the project's own (project(... VERSION)); `cpack -B DIR` in a build folder writes the file.

set(RIMPUTIN_PAKETOINTI ${PROJECT_SOURCE_DIR}/packaging)
set(rimputin_taustat ${RIMPUTIN_KUVAT}/tausta1.bmp ${RIMPUTIN_KUVAT}/tausta2.bmp ${RIMPUTIN_KUVAT}/tausta3.bmp
    ${RIMPUTIN_KUVAT}/tausta4.bmp)

set(CPACK_PACKAGE_NAME rimputin)
set(CPACK_PACKAGE_VENDOR "Rimputin developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze game against the clock")
set(CPACK_STRIP_FILES ON)
# Directories made by the installation are readable by every player.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

if(WIN32)
  # The exe's version resource (gfx/windows.rc) shows the same version.
  target_compile_definitions(rimputin PRIVATE RIMPUTIN_VERSIO=${PROJECT_VERSION}
    RIMPUTIN_VERSIO_PAA=${PROJECT_VERSION_MAJOR} RIMPUTIN_VERSIO_ALI=${PROJECT_VERSION_MINOR})
  # Everything side by side: a double-click starts the game in the exe's folder, where it finds its pictures
  # and keeps its result files.
  install(TARGETS rimputin RUNTIME DESTINATION .)
  install(FILES ${rimputin_taustat} ${RIMPUTIN_PAKETOINTI}/LUEMINUT.txt ${RIMPUTIN_PAKETOINTI}/README.txt
          DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME rimputin-${PROJECT_VERSION}-win64)
  # No folder inside the zip: Windows' "Extract all" already makes one named after the zip.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  # The game works in its working directory, so what the player starts is a launcher that moves into the
  # player's own folder first; the program itself is out of PATH.
  install(TARGETS rimputin RUNTIME DESTINATION lib/games/rimputin)
  install(PROGRAMS ${RIMPUTIN_PAKETOINTI}/rimputin DESTINATION games)
  install(FILES ${rimputin_taustat} DESTINATION share/games/rimputin)
  install(FILES ${RIMPUTIN_PAKETOINTI}/rimputin.desktop DESTINATION share/applications)
  install(FILES ${RIMPUTIN_KUVAT}/rimputin.png DESTINATION share/icons/hicolor/48x48/apps)
  install(FILES ${RIMPUTIN_PAKETOINTI}/copyright DESTINATION share/doc/rimputin)

  # Debian wants the changelog and the manual page compressed, without a time stamp in the gzip header.
  set(rimputin_pakattu ${PROJECT_BINARY_DIR}/paketointi)
  foreach(tiedosto changelog rimputin.6)
    add_custom_command(OUTPUT ${rimputin_pakattu}/${tiedosto}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${rimputin_pakattu}
      COMMAND gzip -9nc ${RIMPUTIN_PAKETOINTI}/${tiedosto} > ${rimputin_pakattu}/${tiedosto}.gz
      DEPENDS ${RIMPUTIN_PAKETOINTI}/${tiedosto}
      VERBATIM)
  endforeach()
  add_custom_target(paketointi ALL DEPENDS ${rimputin_pakattu}/changelog.gz ${rimputin_pakattu}/rimputin.6.gz)
  install(FILES ${rimputin_pakattu}/changelog.gz DESTINATION share/doc/rimputin)
  install(FILES ${rimputin_pakattu}/rimputin.6.gz DESTINATION share/man/man6)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rimputin developers <rimputin@example.org>")
  # The long description; the synopsis line is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Rimputin is a small single-player maze game with Finnish texts. Type your
name, pick one of five modes and steer the red marker through a freshly
generated maze with the arrow keys: to the blinking goal, or through every
dead end to collect its block. Every finished game goes into the best-times
list of its mode, kept in the player's own folder ~/.local/share/rimputin.")
  # The libraries the program links (SDL2 and the C and C++ runtimes), as dpkg-shlibdeps finds them.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  if(RIMPUTIN_SANITIZE)
    message(STATUS "Rimputin: a package of this build carries the sanitizer runtimes; releases are made by make release")
  endif()
endif()

include(CPack)
