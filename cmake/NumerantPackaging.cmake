# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build directory makes a Debian package of everything
# `cmake --install` installs, the copyright file and the change log under
# /usr/share/doc/numerant among them (see data/). Its version is the project
# version; its library dependencies are read off the programs by
# dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME numerant)
set(CPACK_PACKAGE_VENDOR "The Numerant developers")
set(CPACK_PACKAGE_CONTACT "The Numerant developers <numerant@numerant.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check-digit calculator for 52 numbering schemes")
set(CPACK_PACKAGE_DESCRIPTION
  "Numerant computes and verifies the check digits of payment cards, IBAN,\n"
  "EAN/UPC, ISBN/ISSN, VIN, container and wagon codes, tax, company and\n"
  "health-care numbers and national personal identity numbers: a small\n"
  "window (numerant), a command for batch work (numerant-cli) and the\n"
  "scheme library with its headers and CMake package for C++ programs.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so no linked library names
# them: without them the window cannot open.
if(NUMERANT_BUILD_APP)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build.*/" "/\\\\.cache/")
include(CPack)
