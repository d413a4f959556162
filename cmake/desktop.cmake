# Desktop integration after the freedesktop.org conventions: menu entries, the catalogue's
# file type, icons in the hicolor theme, AppStream metainfo and the thumbnailer of EMF/WMF.
set(KORVEL_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

# Where the metainfo's screenshot links point: the project's published web pages, which
# hold resources/desktop/screenshots/ under screenshots/.
set(KORVEL_WEB_URL "https://korvel-software.example/melvara" CACHE STRING
    "Home page of the programs; the AppStream screenshots are expected below it")

install(FILES ${KORVEL_DESKTOP_DIR}/melvara.desktop ${KORVEL_DESKTOP_DIR}/kelvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KORVEL_DESKTOP_DIR}/melvara-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME melvara.xml)

# Metainfo files are named after their component id, as software centres look them up.
foreach(program Melvara Kelvane)
  string(TOLOWER ${program} name)
  set(file ${CMAKE_BINARY_DIR}/desktop/example.korvel_software.${program}.metainfo.xml)
  configure_file(${KORVEL_DESKTOP_DIR}/${name}.metainfo.xml.in ${file} @ONLY)
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()

# Like the desktop entries, the thumbnailer finds the program on the PATH.
install(FILES ${KORVEL_DESKTOP_DIR}/kelvane.thumbnailer
        DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

# Icons: each SVG as drawn, and PNGs of the usual sizes rendered from it at build time.
set(KORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(icon_tool ${KORVEL_DESKTOP_DIR}/icon_tool.cpp)
target_link_libraries(icon_tool PRIVATE Qt6::Gui Qt6::Svg)

function(korvel_icon name context)
  set(svg ${KORVEL_DESKTOP_DIR}/icons/${name}.svg)
  set(outputs)
  foreach(size ${KORVEL_ICON_SIZES})
    list(APPEND outputs ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/${context}/${name}.png)
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:icon_tool> ${svg} ${CMAKE_BINARY_DIR}/icons/hicolor ${context}
            ${KORVEL_ICON_SIZES}
    DEPENDS icon_tool ${svg}
    COMMENT "Rendering the icon ${name}"
    VERBATIM)
  add_custom_target(${name}_icon ALL DEPENDS ${outputs})
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context})
endfunction()

korvel_icon(melvara apps)
korvel_icon(kelvane apps)
korvel_icon(application-x-melvara-catalogue mimetypes)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# A direct install refreshes the desktop's caches, as the Debian package's triggers do; staged
# installs (DESTDIR, CPack) leave that to the package manager.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR})
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    foreach(refresh "update-mime-database;${share}/mime"
                    "update-desktop-database;-q;${share}/applications"
                    "gtk-update-icon-cache;-q;-t;${share}/icons/hicolor")
      list(POP_FRONT refresh tool)
      find_program(found_${tool} ${tool})
      if(found_${tool})
        execute_process(COMMAND ${found_${tool}} ${refresh} RESULT_VARIABLE ignored)
      endif()
    endforeach()
  endif()
]])
