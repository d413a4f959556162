# `make package`: one Debian package with both programs. They are shipped together, share
# their icons' theme, the help pages and the MIME data, and together weigh little, so two
# packages would only add a dependency between them for nothing.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME melvara)
set(CPACK_PACKAGE_VENDOR Korvel-Software)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvel-Software <melvara@korvel-software.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "audio collection catalogue and EMF/WMF viewer")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/resources/desktop/package_description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Symbols bound at start, so the relocations can be made read-only (Debian's hardening); the
# thumbnailer's start-up time does not measurably change.
target_link_options(melvara PRIVATE -Wl,-z,relro,-z,now)
target_link_options(kelvane PRIVATE -Wl,-z,relro,-z,now)
target_link_options(kelvane-thumbnailer PRIVATE -Wl,-z,relro,-z,now)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KORVEL_WEB_URL})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
# gLabels' product database: label sheets chosen by brand and part number instead of measured.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "glabels-data")
# dpkg runs the triggers of the desktop, MIME and icon caches; no maintainer scripts needed.

# What Debian's policy wants in every package's documentation folder.
set(KORVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/copyright DESTINATION ${KORVEL_DOC_DIR})
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/desktop/changelog.gz
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/resources/desktop/changelog
          > ${CMAKE_BINARY_DIR}/desktop/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/desktop/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/desktop/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/desktop/changelog.gz DESTINATION ${KORVEL_DOC_DIR})

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
