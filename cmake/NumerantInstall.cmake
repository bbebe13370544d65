# SPDX-License-Identifier: MIT
# What `cmake --install` puts where: the two programs, the desktop files (see
# data/), the Python module with its type stub, and the scheme library for C++
# users with its headers and a CMake package, so that another project writes
#
#   find_package(Numerant 1.0 REQUIRED)
#   target_link_libraries(app PRIVATE Numerant::schemes)

include(CMakePackageConfigHelpers)

set(NUMERANT_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/Numerant")

install(TARGETS numerant-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
if(TARGET numerant)
  install(TARGETS numerant RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()

install(TARGETS numerant_core numerant_schemes EXPORT NumerantTargets
  ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}")

# Every header of the library keeps its path below include/numerant, so that
# "schemes/catalogue.h" and "schemes/general/luhn.h" read the same inside and
# outside the project. The window logic belongs to the window and stays out.
install(DIRECTORY core schemes
  DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/numerant"
  FILES_MATCHING PATTERN "*.h")
install(FILES "${PROJECT_BINARY_DIR}/generated/core/version.h"
  DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/numerant/core")

install(EXPORT NumerantTargets
  NAMESPACE Numerant::
  DESTINATION "${NUMERANT_CMAKE_DIR}")
configure_package_config_file(cmake/NumerantConfig.cmake.in
  "${PROJECT_BINARY_DIR}/NumerantConfig.cmake"
  INSTALL_DESTINATION "${NUMERANT_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/NumerantConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_BINARY_DIR}/NumerantConfig.cmake"
  "${PROJECT_BINARY_DIR}/NumerantConfigVersion.cmake"
  DESTINATION "${NUMERANT_CMAKE_DIR}")

# The Python module goes where Debian's Python looks: /usr/lib/python3/dist-packages
# for the system's own (the prefix /usr, as in the Debian package),
# lib/python3.X/site-packages under the user's base (~/.local), and
# lib/python3.X/dist-packages under any other prefix, such as /usr/local. The
# prefix is read when installing, since the package installs to /usr whatever
# the build was configured with.
if(TARGET numerant_python)
  execute_process(COMMAND "${NUMERANT_PYTHON}" -c "import site; print(site.getuserbase())"
                  OUTPUT_VARIABLE numerant_python_user_base OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(numerant_python_version "${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}")
  install(CODE "
    get_filename_component(numerant_prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
    if(numerant_prefix STREQUAL \"/usr\")
      set(numerant_python_dir \"\${numerant_prefix}/lib/python3/dist-packages\")
    elseif(numerant_prefix STREQUAL \"${numerant_python_user_base}\")
      set(numerant_python_dir \"\${numerant_prefix}/lib/python${numerant_python_version}/site-packages\")
    else()
      set(numerant_python_dir \"\${numerant_prefix}/lib/python${numerant_python_version}/dist-packages\")
    endif()
    file(INSTALL \"$<TARGET_FILE:numerant_python>\" \"${PROJECT_SOURCE_DIR}/python/numerant.pyi\"
         DESTINATION \"\${numerant_python_dir}\")
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\"
        \"\$ENV{DESTDIR}\${numerant_python_dir}/$<TARGET_FILE_NAME:numerant_python>\")
    endif()")
endif()

# The page (scripts/dev.sh web-build), when it has been built: a folder that
# any static web server can serve.
set(NUMERANT_WEB_SITE_DIR "${PROJECT_SOURCE_DIR}/build-web/site" CACHE PATH
    "The built page, installed under share/numerant/web when it exists")
install(DIRECTORY "${NUMERANT_WEB_SITE_DIR}/"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/numerant/web"
  COMPONENT web
  OPTIONAL)
