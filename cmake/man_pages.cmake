# The programs' pages are made from their own --help and --version, so the
# manual never drifts from the program; compressed as Debian's policy asks.
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)

function(korvel_man_page program summary)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -D PROGRAM=$<TARGET_FILE:${program}> -D NAME=${program}
            "-D SUMMARY=${summary}" -D OUTPUT=${page} -D HELP2MAN=${HELP2MAN} -D GZIP=${GZIP}
            -P ${CMAKE_SOURCE_DIR}/cmake/help2man.cmake
    DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/help2man.cmake
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  add_custom_target(${program}_man ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

korvel_man_page(melvara "catalogue of an audio collection with label printing")
korvel_man_page(kelvane "viewer and inspector of EMF and WMF pictures")
korvel_man_page(kelvane-thumbnailer "draws EMF and WMF pictures into image files for file managers")
