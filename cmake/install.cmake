# Where both programs and their data go; every path is relative to the install prefix, so
# `cmake --install build --prefix DIR` and the Debian package agree.
include(GNUInstallDirs)

install(TARGETS melvara kelvane kelvane-thumbnailer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/melvara/help)

# The installed program finds its help pages from its own location, wherever the prefix is.
file(RELATIVE_PATH KORVEL_HELP_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/melvara/help)
target_compile_definitions(catalog_app PRIVATE KORVEL_HELP_FROM_BIN="${KORVEL_HELP_FROM_BIN}")

# The print forms a new user chooses from on the "Paths" page (listed in catalog_app/),
# found from the program like the help pages.
install(FILES ${KORVEL_FORM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/melvara/forms)
file(RELATIVE_PATH KORVEL_FORMS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/melvara/forms)
target_compile_definitions(catalog_app PRIVATE KORVEL_FORMS_FROM_BIN="${KORVEL_FORMS_FROM_BIN}")
