# What `cmake --install` and the Debian package put on a user's system:
#   bin/zenko                       the program (bin/zenko-batch when built)
#   libexec/zenko/zenko-launcher    the desktop entry's launcher (site file home)
#   libexec/zenko/zenko-script      the headless form driver, a development tool
#   share/zenko/help/               the help pages, found by the program
#   share/zenko/Zenko.loc           the empty site file zenko copies for a user
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1,
#   share/doc/zenko (copyright, changelog)
include(GNUInstallDirs)

set(ZENKO_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/zenko)
set(ZENKO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zenko)
set(ZENKO_APP_ID "org.example.zenko.Zenko" CACHE STRING "AppStream component id")
set(ZENKO_HOMEPAGE "https://zenko.example.org" CACHE STRING
    "Web page of the project; its pictures/form102.png is the AppStream screenshot")
set(ZENKO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zenko)
set(ZENKO_MAINTAINER "Club d'Astronomie Zenko <maintainers@users.noreply.c-seed-8051c5db.example>")
set(ZENKO_INSTALL_GENERATED ${CMAKE_BINARY_DIR}/generated/install)

if(NOT TARGET zenko)
  return()
endif()
install(TARGETS zenko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zenko-batch)
  install(TARGETS zenko-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS zenko-script RUNTIME DESTINATION ${ZENKO_LIBEXEC_DIR})

# The launcher finds the program and the packaged site file relative to
# itself, so that any prefix works.
file(RELATIVE_PATH ZENKO_LAUNCHER_TO_PREFIX /prefix/${ZENKO_LIBEXEC_DIR} /prefix)
configure_file(${CMAKE_SOURCE_DIR}/data/zenko-launcher.in
               ${ZENKO_INSTALL_GENERATED}/zenko-launcher @ONLY)
install(PROGRAMS ${ZENKO_INSTALL_GENERATED}/zenko-launcher DESTINATION ${ZENKO_LIBEXEC_DIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION ${ZENKO_DATA_DIR}/help)
install(FILES ${CMAKE_SOURCE_DIR}/data/Zenko.loc DESTINATION ${ZENKO_DATA_DIR})

# The desktop entry names the launcher by its absolute path, known only when
# installing (`cmake --install --prefix` may change the prefix). Each
# installation writes its own copy, so that two at once do not meet.
install(CODE "
  string(MD5 zenko_install_key \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(zenko_desktop \"${ZENKO_INSTALL_GENERATED}/\${zenko_install_key}/zenko.desktop\")
  set(ZENKO_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${ZENKO_LIBEXEC_DIR}/zenko-launcher\")
  configure_file(\"${CMAKE_SOURCE_DIR}/data/zenko.desktop.in\" \"\${zenko_desktop}\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
       TYPE FILE FILES \"\${zenko_desktop}\")")

configure_file(${CMAKE_SOURCE_DIR}/data/zenko.metainfo.xml.in
               ${ZENKO_INSTALL_GENERATED}/${ZENKO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ZENKO_INSTALL_GENERATED}/${ZENKO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the SVG, and PNGs drawn from it at build time by rsvg-convert.
set(ZENKO_ICON_SVG ${CMAKE_SOURCE_DIR}/hosts/qt/zenko.svg)
set(ZENKO_ICON_SIZES 16 32 48 64 128 256)
install(FILES ${ZENKO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_files)
  foreach(size ${ZENKO_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/zenko.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZENKO_ICON_SVG}
      DEPENDS ${ZENKO_ICON_SVG} VERBATIM)
    list(APPEND icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(zenko-icons ALL DEPENDS ${icon_files})
else()
  message(WARNING "rsvg-convert not found (Debian package librsvg2-bin): "
                  "the PNG icons will not be installed")
endif()

# Manual pages (given the version) and the Debian changelog, compressed as
# Debian wants them: gzip -n keeps no name or time, so the bytes depend on
# the text alone.
set(ZENKO_MAN_PAGES)
foreach(page zenko zenko-batch zenko-script)
  if(page STREQUAL "zenko" OR TARGET ${page})
    configure_file(${CMAKE_SOURCE_DIR}/data/man/${page}.1 ${ZENKO_INSTALL_GENERATED}/${page}.1 @ONLY)
    list(APPEND ZENKO_MAN_PAGES ${ZENKO_INSTALL_GENERATED}/${page}.1)
  endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${ZENKO_INSTALL_GENERATED}/changelog @ONLY)
set(compressed_files)
foreach(source ${ZENKO_MAN_PAGES} ${ZENKO_INSTALL_GENERATED}/changelog)
  get_filename_component(name ${source} NAME)
  set(gz ${ZENKO_INSTALL_GENERATED}/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${source} ${gz}
    DEPENDS ${source} VERBATIM)
  list(APPEND compressed_files ${gz})
  if(name STREQUAL "changelog")
    install(FILES ${gz} DESTINATION ${ZENKO_DOC_DIR})
  else()
    install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
add_custom_target(zenko-compressed ALL DEPENDS ${compressed_files})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright DESTINATION ${ZENKO_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zenko)
