# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build directory makes a Debian package of everything
# `cmake --install` installs, the copyright file and the change log under
# /usr/share/doc/numerant among them (see data/). Its version is the project
# version; its library dependencies are read off the programs by
# dpkg-shlibdeps.
#
# The PostgreSQL extension (install component "postgresql") goes into a
# package of its own, numerant-postgresql, so that the desktop package needs
# no database server; everything else stays in numerant.

set(CPACK_PACKAGE_NAME numerant)
set(CPACK_PACKAGE_VENDOR "The Numerant developers")
set(CPACK_PACKAGE_CONTACT "The Numerant developers <numerant@numerant.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check-digit calculator for 52 numbering schemes")
set(CPACK_PACKAGE_DESCRIPTION
  "Numerant computes and verifies the check digits of payment cards, IBAN,\n"
  "EAN/UPC, ISBN/ISSN, VIN, container and wagon codes, tax, company and\n"
  "health-care numbers and national personal identity numbers: a small\n"
  "window (numerant), a command for batch work (numerant-cli), the Python\n"
  "module numerant, and the scheme library with its headers and CMake\n"
  "package for C++ programs.")
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

# The Python module is built for one version of Debian's Python; without that
# Python it is simply not used.
if(TARGET numerant_python)
  math(EXPR next_python_minor "${Python_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS
      "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}), python3 (<< ${Python_VERSION_MAJOR}.${next_python_minor})")
endif()

if(TARGET numerant_postgresql)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
  set(CPACK_DEBIAN_NUMERANT_PACKAGE_NAME numerant)
  # CPack puts the one summary above each package's own description.
  set(CPACK_DEBIAN_NUMERANT_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
  set(CPACK_DEBIAN_POSTGRESQL_PACKAGE_NAME numerant-postgresql)
  set(CPACK_DEBIAN_POSTGRESQL_PACKAGE_SECTION database)
  set(CPACK_DEBIAN_POSTGRESQL_PACKAGE_DEPENDS "postgresql-15")
  set(CPACK_DEBIAN_POSTGRESQL_PACKAGE_SUGGESTS "")
  set(CPACK_DEBIAN_POSTGRESQL_DESCRIPTION
    "The PostgreSQL 15 extension numerant: numerant.check, calculate,\n"
    "complete, explain, fields and schemes, for the same schemes as the\n"
    "numerant package, usable in CHECK constraints, expression indexes and\n"
    "generated columns. Load it with CREATE EXTENSION numerant.")
  string(JOIN "" CPACK_DEBIAN_POSTGRESQL_DESCRIPTION ${CPACK_DEBIAN_POSTGRESQL_DESCRIPTION})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build.*/" "/\\\\.cache/")
include(CPack)

if(TARGET numerant_postgresql)
  # Every component but the extension's makes up the package numerant.
  cpack_add_component_group(numerant)
  cpack_add_component_group(postgresql)
  cpack_add_component(Unspecified GROUP numerant)
  cpack_add_component(web GROUP numerant)
  cpack_add_component(postgresql GROUP postgresql)
endif()
