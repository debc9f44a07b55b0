# The Debian package: `cpack -G DEB` in the build folder makes qtr31x_<version>_<arch>.deb
# from what `cmake --install` puts under /usr.
set(CPACK_PACKAGE_NAME qtr31x)
set(CPACK_PACKAGE_VENDOR "Halvern")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for RB-7100 and RB-8100 hand-held radios")
# The contact is set with the changelog (DesktopIntegration.cmake).
set(CPACK_PACKAGE_DESCRIPTION "QTR-31X creates the configuration of a radio of the RB-7100/RB-8100
family (VHF and UHF, Parlane and LMR lines, 2 to 16 channels), keeps it in data
files, reads it from and writes it to a radio over a serial cable, and drives
the radio's test and tuning procedures. The package holds the desktop program
qtr31x, the command-line tool qtr31x-cli and the radio simulator qtr31x-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries the programs link come from dpkg-shlibdeps; what is loaded at run time
# without being linked is named here: the fonts of printed pages and of the Chinese texts,
# Qt's own translations, Qt Multimedia for the call tones, which talks to the sound
# server itself, so no media back-end package is needed, and the X11 platform plugin, without
# which the desktop program cannot start (it is only recommended by the Qt libraries).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(QTR_RUNTIME_PACKAGES
    fonts-liberation2
    fonts-wqy-microhei
    qt6-translations-l10n
    libqt6multimedia6
    qt6-qpa-plugins
)
list(JOIN QTR_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Native Wayland sessions use Qt's Wayland platform plugin; without it the X11 one serves.
# The call tones are heard through a PulseAudio-compatible sound server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pipewire-pulse | pulseaudio")
include(CPack)
