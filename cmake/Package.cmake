# "cpack -G DEB" in the build folder makes brindle_<version>_amd64.deb for Debian 12.
# Library dependencies are read from the binaries; the programs Brindle starts are named here.
set(CPACK_PACKAGE_NAME brindle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brindle")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Put watermarks and subtitles on videos, convert, join and cut them")
set(CPACK_PACKAGE_DESCRIPTION
  "Brindle places image, video and styled-text watermark layers and subtitles on videos and\n\
converts, joins and cuts them, in a desktop window or, with brindle-batch, for whole folders\n\
from a terminal, a script or a scheduler.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brindle developers <brindle@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The engines run the system's ffmpeg and melt; text layers need a font; the icons are SVG.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, melt, fontconfig, fonts-dejavu-core, libqt5svg5")

include(CPack)
