# What a Linux desktop needs besides the programs: the menu entry, the data files' MIME type,
# the icon, the AppStream metainfo and the manual pages.
set(QTR_DIST ${PROJECT_SOURCE_DIR}/dist)
set(QTR_DIST_BUILD ${CMAKE_BINARY_DIR}/dist)
set(QTR_APP_ID com.halvern.qtr31x)

configure_file(${QTR_DIST}/linux/${QTR_APP_ID}.metainfo.xml ${QTR_DIST_BUILD}/${QTR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${QTR_DIST}/linux/${QTR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QTR_DIST_BUILD}/${QTR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QTR_DIST}/linux/qtr31x-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME qtr31x.xml)
install(FILES ${QTR_DIST}/linux/qtr31x.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual pages carry the version and date; Debian wants them compressed.
find_program(QTR_GZIP gzip REQUIRED)
set(QTR_MANUALS)
foreach(program qtr31x qtr31x-cli qtr31x-sim)
    configure_file(${QTR_DIST}/man/${program}.1 ${QTR_DIST_BUILD}/man/${program}.1 @ONLY)
    add_custom_command(OUTPUT ${QTR_DIST_BUILD}/man/${program}.1.gz
        COMMAND ${QTR_GZIP} -9nkf ${QTR_DIST_BUILD}/man/${program}.1
        DEPENDS ${QTR_DIST_BUILD}/man/${program}.1 ${QTR_DIST}/man/${program}.1)
    list(APPEND QTR_MANUALS ${QTR_DIST_BUILD}/man/${program}.1.gz)
endforeach()
add_custom_target(qtr_manuals ALL DEPENDS ${QTR_MANUALS})
install(FILES ${QTR_MANUALS} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's changelog, compressed as Debian wants it; it names the package's contact.
set(QTR_PACKAGE_CONTACT "Halvern <support@halvern.example>")
set(CPACK_PACKAGE_CONTACT ${QTR_PACKAGE_CONTACT})
configure_file(${QTR_DIST}/debian/changelog ${QTR_DIST_BUILD}/changelog @ONLY)
add_custom_command(OUTPUT ${QTR_DIST_BUILD}/changelog.gz
    COMMAND ${QTR_GZIP} -9nkf ${QTR_DIST_BUILD}/changelog
    DEPENDS ${QTR_DIST_BUILD}/changelog ${QTR_DIST}/debian/changelog)
add_custom_target(qtr_changelog ALL DEPENDS ${QTR_DIST_BUILD}/changelog.gz)
install(FILES ${QTR_DIST}/debian/copyright ${QTR_DIST}/debian/README.Debian ${QTR_DIST_BUILD}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
