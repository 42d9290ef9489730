# Debian package: `cpack -G DEB` in the build folder. Library dependencies come from dpkg-shlibdeps;
# the tools the program runs and the Qt plugins it loads are named here.
set(CPACK_PACKAGE_NAME lumio-uploader)
set(CPACK_PACKAGE_VENDOR Vexalon)
set(CPACK_PACKAGE_CONTACT "Vexalon <support@vexalon.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Upload photos and videos to Lumio on a Vexalon Korvat")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps server profiles, finds Korvat boxes on the local network, converts photos and videos into \
Lumio's renditions and uploads them. Adds an upload entry to the file managers and imports from \
cameras and memory cards through libgphoto2.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lumio-uploader)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "imagemagick, dcraw, ffmpeg, libqt6sql6-sqlite, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gphoto2")
include(CPack)
