# Installation layout and the Debian package (`cpack -G DEB` in the build folder).
#
#   bin/zivu, bin/zivu-cli       the programs
#   share/derova-zivu/DoDo.html  the help manual: the help window looks for it
#                                beside the executable (a build tree), then in
#                                ../share/derova-zivu/ from it
#   share/derova-zivu/graficos   the manual's pictures of the charts
#   share/derova-zivu/examples   sample worksheets and a configuration file
#   share/man/man1               zivu.1.gz, zivu-cli.1.gz
#   share/applications, share/icons/hicolor/scalable/apps, share/metainfo
#                                the application menu entry, its icon and the
#                                software-centre description
#   share/doc/derova-zivu        README, copyright (MIT), changelog.gz
#
# Included at the end of the top CMakeLists.txt, so every target exists by now.

include(GNUInstallDirs)

set(ZIVU_FONTE ${PROJECT_SOURCE_DIR})

install(TARGETS zivu-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zivu)
  install(TARGETS zivu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${ZIVU_FONTE}/docs/DoDo.html DESTINATION ${CMAKE_INSTALL_DATADIR}/derova-zivu)
# The manual's pictures of the charts, in the folder its pages name.
file(GLOB ZIVU_FIGURAS_MANUAL CONFIGURE_DEPENDS ${ZIVU_FONTE}/docs/graficos/*.png)
install(FILES ${ZIVU_FIGURAS_MANUAL} DESTINATION ${CMAKE_INSTALL_DATADIR}/derova-zivu/graficos)

file(GLOB ZIVU_EXEMPLOS CONFIGURE_DEPENDS ${ZIVU_FONTE}/examples/*.csv ${ZIVU_FONTE}/examples/*.cfg)
install(FILES ${ZIVU_EXEMPLOS} DESTINATION ${CMAKE_INSTALL_DATADIR}/derova-zivu/examples)

install(FILES ${ZIVU_FONTE}/README.md ${ZIVU_FONTE}/cmake/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/derova-zivu)

# Manual pages and the changelog go compressed, as Debian keeps them; -n leaves
# the name and time out of the header, so the same sources give the same bytes.
find_program(ZIVU_GZIP gzip)
function(zivu_instala_comprimido fonte destino)
  get_filename_component(nome ${fonte} NAME)
  set(saida ${PROJECT_BINARY_DIR}/pacote/${nome})
  if(ZIVU_GZIP)
    add_custom_command(OUTPUT ${saida}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${fonte} ${saida}
      COMMAND ${ZIVU_GZIP} -9nf ${saida}
      DEPENDS ${fonte} VERBATIM)
    string(APPEND saida .gz)
  else()
    configure_file(${fonte} ${saida} COPYONLY)
  endif()
  add_custom_target(comprime_${nome} ALL DEPENDS ${saida})
  install(FILES ${saida} DESTINATION ${destino})
endfunction()

zivu_instala_comprimido(${ZIVU_FONTE}/docs/zivu-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
zivu_instala_comprimido(${ZIVU_FONTE}/cmake/debian/changelog ${CMAKE_INSTALL_DATADIR}/doc/derova-zivu)

# What only the desktop program uses: its manual page, menu entry, icon and
# software-centre description (whose id is the menu entry's).
if(TARGET zivu)
  zivu_instala_comprimido(${ZIVU_FONTE}/docs/zivu.1 ${CMAKE_INSTALL_MANDIR}/man1)
  set(ZIVU_APP_ID example.fundacao_zarvo.DerovaZiVu)
  install(FILES ${ZIVU_FONTE}/data/derova-zivu.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${ZIVU_FONTE}/data/${ZIVU_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZIVU_FONTE}/data/${ZIVU_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# --- Debian package ----------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME derova-zivu)
set(CPACK_PACKAGE_VENDOR "Fundação Zarvo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Equipe Derova ZiVu <zivu@fundacao-zarvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "projeção da população de pequenas áreas pelo método DoDo")
set(CPACK_PACKAGE_DESCRIPTION
"Derova ZiVu projeta a população de pequenas áreas (os municípios de um
estado, por exemplo) pelo método de repartição DoDo: a partir da população
de cada área em duas pesquisas e do total esperado da área maior, ou de cada
bloco, calcula os coeficientes Ai e Bi, a população projetada e duas taxas
anuais de crescimento, confere e ajusta os totais, agrupa as áreas em quartis
e lê e grava as planilhas usadas pelos demógrafos.
.
Derova ZiVu projects the population of small areas by the DoDo apportionment
method. It contains the desktop program zivu (Qt 6), the batch tool zivu-cli,
the help manual and sample worksheets.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_STRIP_FILES ON)

# Library dependencies are read from the binaries when dpkg-shlibdeps is at
# hand; otherwise they are named here. Always listed: what is loaded at run
# time, which no binary names (the platform plugins, Qt's own Portuguese
# texts), and the chart and SVG libraries the results windows are getting.
set(ZIVU_QT_EM_EXECUCAO "qt6-qpa-plugins, qt6-translations-l10n, libqt6charts6 (>= 6.4), libqt6svg6 (>= 6.4)")
find_program(ZIVU_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZIVU_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(TARGET zivu)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ZIVU_QT_EM_EXECUCAO}")
  endif()
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
  if(TARGET zivu)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4)"
           ", libqt6printsupport6 (>= 6.4), ${ZIVU_QT_EM_EXECUCAO}")
  endif()
endif()

include(CPack)
