# Debian package: `cpack -G DEB` in the build folder. The libraries it needs
# are found from the binaries by dpkg-shlibdeps; the Qt platform plugin and
# the fonts are not linked, so they are named here.
set(CPACK_PACKAGE_NAME qxp-r46)
set(CPACK_PACKAGE_VENDOR "QUELDOR")
set(CPACK_PACKAGE_CONTACT "QXP-R46 developers <qxp-r46@queldor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Channel memory programmer for the QZ-R46 hand-held radio")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads the whole channel memory of a QZ-R46 dual-band hand-held radio over\n\
a serial programming cable, edits memory, VFO, CALL and DTMF channels, keeps\n\
them in channel files, prints a channel list and writes the set back into\n\
the radio. Includes a command-line tool and a simulated radio.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY qxp-r46)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
