# "cpack -G DEB" in the build folder makes brindle_<version>-1+deb<N>_amd64.deb for the Debian
# release N it is built on. Library dependencies are read from the binaries, so they name that
# release's libraries (FFmpeg 5.1's on Debian 12, 7.1's on Debian 13); the programs Brindle
# starts are named here, and exist under these names on both. Reading the dependencies needs
# dpkg-shlibdeps and file, which scripts/install-deps.sh installs.
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
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release BRINDLE_OS_ID REGEX "^ID=")
  file(STRINGS /etc/os-release BRINDLE_OS_VERSION REGEX "^VERSION_ID=")
  string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" BRINDLE_OS_VERSION "${BRINDLE_OS_VERSION}")
  if(BRINDLE_OS_ID STREQUAL "ID=debian" AND BRINDLE_OS_VERSION MATCHES "^[0-9]+$")
    set(CPACK_DEBIAN_PACKAGE_RELEASE "1+deb${BRINDLE_OS_VERSION}")
  endif()
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brindle developers <brindle@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The engines run the system's ffmpeg and melt; text layers need a font; the icons are SVG.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, melt, fontconfig, fonts-dejavu-core, libqt5svg5")

include(CPack)
