# What `cmake --install` puts beside the program, and the Debian package made of it.
# The executable itself is installed by src/CMakeLists.txt.

set(KELVORA_DESKTOP_ID "com.marrowby.Kelvora")
set(_art "${PROJECT_SOURCE_DIR}/resources/desktop")

# The program folder: templates, Logo.Jpg, Letters and whatever else resources/ holds,
# except the desktop artwork, which goes where the desktop looks for it.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/" DESTINATION share/kelvora
  PATTERN "desktop" EXCLUDE)

install(FILES "${_art}/${KELVORA_DESKTOP_ID}.desktop" DESTINATION share/applications)
install(FILES "${_art}/${KELVORA_DESKTOP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${_art}/${KELVORA_DESKTOP_ID}.svg" DESTINATION share/icons/hicolor/scalable/apps)
file(GLOB _icons "${_art}/icons/*.png")
foreach(_icon IN LISTS _icons)
  get_filename_component(_size "${_icon}" NAME_WE)
  install(FILES "${_icon}" DESTINATION "share/icons/hicolor/${_size}x${_size}/apps"
    RENAME "${KELVORA_DESKTOP_ID}.png")
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/docs/report-templates.md"
  DESTINATION share/doc/kelvora)

set(KELVORA_PACKAGE_MAINTAINER "Marrowby <kelvora@marrowby.example>" CACHE STRING
  "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VENDOR "Marrowby")
set(CPACK_PACKAGE_CONTACT "${KELVORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bookkeeping for a small business or a household")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kelvora keeps the books of a sole trader, a small office or a household in
one SQLite file: a day-by-day diary, a client list, an expense ledger and an
income ledger (every amount split into its GST and net parts, coded by
accounting period and financial year), and the printed listings, grouped
reports, invoices, labels and business cards an accountant asks for.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kelvora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executable links come from dpkg-shlibdeps. What Qt loads at run
# time is not linked, so it is named here: the SQLite driver of Qt SQL and the fonts
# the reports and the window are laid out with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-dejavu-core, fonts-liberation2")
# Without it Qt draws through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
