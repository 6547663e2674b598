# What `cmake --install` puts where, and the Debian package made from it
# (`cpack -G DEB` in the build folder).
#
#   bin/tarvo-posts
#   share/applications/tarvo-posts.desktop          the menu entry, opens *.tvp
#   share/mime/packages/tarvo-posts.xml             the file type application/x-tarvo-project
#   share/icons/hicolor/scalable/apps/tarvo-posts.svg
#   share/icons/hicolor/scalable/mimetypes/application-x-tarvo-project.svg
#   share/man/man1/tarvo-posts.1.gz
#   share/doc/tarvo-posts/Tarvo_Help.pdf            the user guide, when it was built
#   share/doc/tarvo-posts/examples/*.tvp            the sample projects
include(GNUInstallDirs)

set(TARVO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarvo-posts)

install(TARGETS tarvo-posts RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TARVO_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARVO_USER_GUIDE)
  install(FILES ${TARVO_USER_GUIDE} DESTINATION ${TARVO_DOC_DIR})
endif()
file(GLOB tarvo_samples ${PROJECT_SOURCE_DIR}/samples/*.tvp)
install(FILES ${tarvo_samples} DESTINATION ${TARVO_DOC_DIR}/examples)

# The desktop side only with the window.
if(TARVO_BUILD_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tarvo-posts.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tarvo-posts-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarvo-posts.xml)
  set(tarvo_icon ${PROJECT_SOURCE_DIR}/src/gui/app/resources/tarvo-posts.svg)
  install(FILES ${tarvo_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${tarvo_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-tarvo-project.svg)
endif()

# Debian package. Its dependencies are the libraries the program links
# (dpkg-shlibdeps), the Qt SVG plugins that draw the icons (loaded at run
# time, so no linked library names them), the fonts the report and the
# window draw with (IPA P Gothic and P Mincho for the Japanese fonts of the
# settings, URW C059 for Century); pLaTeX for the LaTeX report is only
# suggested. The menu, the file
# type and the icon caches are refreshed by the triggers of the packages that
# own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo-posts)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarvo Posts developers <tarvo-posts@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design of wooden columns by Japanese allowable-stress rules")
set(CPACK_PACKAGE_DESCRIPTION
    "Checks the wooden columns (posts) of timber buildings: compression with\n"
    "buckling, bearing on the horizontal member and, under wind, bending with\n"
    "compression and shear, for sawn lumber, 2x4 lumber, glulam, LVL and\n"
    "decorative-faced glulam columns. A window for entering projects, printed\n"
    "and LaTeX reports, and a command line for checks and PDF reports.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-urw-base35, fonts-dejavu-core")
if(TARVO_BUILD_GUI)
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, ")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
if(TARVO_BUILD_GUI)
  # Qt's own dialogs in Japanese.
  string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "texlive-lang-japanese")
include(CPack)
