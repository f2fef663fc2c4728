# What `make install` lays out and what `make paquet` (CPack) puts in the Debian package: the two programs
# and the drawing module of tabrix-outils, the menu entry, the icon at the usual sizes, the AppStream
# metainfo, the French man pages.

set(TABRIX_SITE "https://tabrix.fr" CACHE STRING "Site du projet, où sont publiées les captures de docs/images")
set(identifiant fr.tabrix.Tabrix)
set(paquetage ${PROJECT_SOURCE_DIR}/packaging)
set(genere ${PROJECT_BINARY_DIR}/paquetage)
set(documentation ${CMAKE_INSTALL_DATADIR}/doc/tabrix)

# Icons: PNGs drawn from the SVG at build time; the program also carries them for its window icon.
find_program(RSVG_CONVERT rsvg-convert)
set(pngs_icone)
if(RSVG_CONVERT)
    foreach(taille 16 22 24 32 48 64 128 256)
        set(png ${genere}/icones/${taille}x${taille}/tabrix.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${genere}/icones/${taille}x${taille}
            COMMAND ${RSVG_CONVERT} -w ${taille} -h ${taille} ${paquetage}/tabrix.svg -o ${png}
            DEPENDS ${paquetage}/tabrix.svg VERBATIM)
        list(APPEND pngs_icone ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps)
    endforeach()
    qt_add_resources(tabrix icones PREFIX /icones BASE ${genere}/icones FILES ${pngs_icone})
else()
    message(WARNING "rsvg-convert (paquet librsvg2-bin) manque : pas d'icône PNG, le programme et le paquet "
                    "n'auront que l'icône SVG.")
endif()
install(FILES ${paquetage}/tabrix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages and the Debian changelog, compressed as Debian wants them (no name nor date inside: -n).
set(compresses)
foreach(source tabrix.1 tabrix-outils.1 changelog.Debian)
    add_custom_command(OUTPUT ${genere}/${source}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${genere}
        COMMAND gzip -9n -c ${paquetage}/${source} > ${genere}/${source}.gz
        DEPENDS ${paquetage}/${source} VERBATIM)
    list(APPEND compresses ${genere}/${source}.gz)
endforeach()
add_custom_target(tabrix_paquetage ALL DEPENDS ${compresses} ${pngs_icone})

configure_file(${paquetage}/${identifiant}.metainfo.xml.in ${genere}/${identifiant}.metainfo.xml @ONLY)

install(TARGETS tabrix tabrix-outils RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tabrix-outils-dessins LIBRARY DESTINATION ${TABRIX_DOSSIER_MODULES})
install(FILES ${paquetage}/${identifiant}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${genere}/${identifiant}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${genere}/tabrix.1.gz ${genere}/tabrix-outils.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${genere}/tabrix.1.gz ${genere}/tabrix-outils.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${paquetage}/copyright ${genere}/changelog.Debian.gz DESTINATION ${documentation})
# The configuration every new working folder gets, for IT staff to adapt and put in /etc/tabrix/.
install(FILES ${PROJECT_SOURCE_DIR}/resources/Tabrix.ini DESTINATION ${documentation}/exemples)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "L'équipe de Tabrix <tabrix@tabrix.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "apprentissage des tables de multiplication")
# The synopsis is the summary above; CPack folds this text into the description's body.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tabrix aide les élèves à apprendre les tables de multiplication, à s'y\n"
    "entraîner et à s'y évaluer (test chronométré, apprentissage par blocs,\n"
    "perfectionnement sur les tables inversées), et permet à leurs enseignants\n"
    "de suivre leurs progrès, à la maison ou à l'école.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TABRIX_SITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the libraries' scan does not see them: the X11 and Wayland window plugins,
# the font the program draws with, the icon theme its icons go into, Qt's own texts in French.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, hicolor-icon-theme, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
