# Installation layout and the Debian package (`cpack -G DEB` in the build folder).
#
#   bin/zivu, bin/zivu-cli       the programs
#   bin/DoDo.html                the help manual: the help window looks for it
#                                beside the executable
#   share/derova-zivu/examples   sample worksheets and a configuration file
#   share/applications, share/icons/hicolor/scalable/apps
#                                the application menu entry and its icon
#   share/doc/derova-zivu        README
#
# Included at the end of the top CMakeLists.txt, so every target exists by now.

include(GNUInstallDirs)

set(ZIVU_FONTE ${PROJECT_SOURCE_DIR})

install(TARGETS zivu-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zivu)
  install(TARGETS zivu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${ZIVU_FONTE}/docs/DoDo.html DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB ZIVU_EXEMPLOS CONFIGURE_DEPENDS ${ZIVU_FONTE}/examples/*.csv ${ZIVU_FONTE}/examples/*.cfg)
install(FILES ${ZIVU_EXEMPLOS} DESTINATION ${CMAKE_INSTALL_DATADIR}/derova-zivu/examples)

install(FILES ${ZIVU_FONTE}/data/derova-zivu.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ZIVU_FONTE}/data/derova-zivu.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZIVU_FONTE}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/derova-zivu)

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

# Library dependencies are read from the binaries when dpkg-shlibdeps is at
# hand; otherwise they are named here. The platform plugins are loaded at run
# time, so no binary names them: they are always listed.
find_program(ZIVU_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZIVU_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(TARGET zivu)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  endif()
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
  if(TARGET zivu)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4)"
           ", libqt6printsupport6 (>= 6.4), qt6-qpa-plugins")
  endif()
endif()

include(CPack)
