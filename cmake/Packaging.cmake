# How テク・ラン reaches a desktop: its version header, its icons, the install
# rules with the freedesktop entries, the Windows resource script and the
# Debian package. Included by the top-level CMakeLists.txt once the `tekuran`
# and `tekuran-icon-export` targets exist, and before the tests, which use the
# names and paths it sets.

include(GNUInstallDirs)

set(_tekuran_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)
cmake_path(NORMAL_PATH _tekuran_packaging_dir)

# ---- Names and version -------------------------------------------------------

# The desktop's name for the program: .desktop file, icon and AppStream id.
set(TEKURAN_APP_ID org.tekuran.TekuRan)
set(TEKURAN_SCREENSHOT_URL https://tekuran.org/screenshots/title.png)

# Players know the version as "1.00": major, point, two-digit minor. Rebuilt
# from the numbers rather than taken from PROJECT_VERSION as written, because
# CMake releases differ in whether they keep the minor's leading zero.
math(EXPR _tekuran_minor "${PROJECT_VERSION_MINOR}")
if(_tekuran_minor GREATER 99)
    message(FATAL_ERROR "Project version ${PROJECT_VERSION} has no two-digit minor form")
endif()
string(LENGTH "${_tekuran_minor}" _tekuran_minor_digits)
if(_tekuran_minor_digits EQUAL 1)
    set(TEKURAN_VERSION ${PROJECT_VERSION_MAJOR}.0${_tekuran_minor})
else()
    set(TEKURAN_VERSION ${PROJECT_VERSION_MAJOR}.${_tekuran_minor})
endif()
# Windows wants four numbers: 1.00 is 1,0,0,0.
set(TEKURAN_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${_tekuran_minor},0,0")

# `#include "tekuran/Version.h"` gives tekuran::kVersion and tekuran::kAppId.
set(_tekuran_generated_include ${PROJECT_BINARY_DIR}/generated/include)
configure_file(${_tekuran_packaging_dir}/Version.h.in ${_tekuran_generated_include}/tekuran/Version.h @ONLY)
add_library(tekuran_version INTERFACE)
target_include_directories(tekuran_version INTERFACE ${_tekuran_generated_include})
target_link_libraries(tekuran PRIVATE tekuran_version)

# ---- Icons -------------------------------------------------------------------

# Drawn from the 16-colour grids at build time, so that the pictures in the
# theme and in the Windows program file can never drift from the design.
set(TEKURAN_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(TEKURAN_ICON_SIZES 16 32 48 128 256)
set(_tekuran_icon_files ${TEKURAN_ICON_DIR}/${TEKURAN_APP_ID}.ico)
foreach(size IN LISTS TEKURAN_ICON_SIZES)
    list(APPEND _tekuran_icon_files ${TEKURAN_ICON_DIR}/hicolor/${size}x${size}/apps/${TEKURAN_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${_tekuran_icon_files}
    COMMAND tekuran-icon-export ${TEKURAN_ICON_DIR} ${TEKURAN_APP_ID}
    DEPENDS tekuran-icon-export
    COMMENT "Drawing the program icon"
    VERBATIM)
add_custom_target(tekuran_icons ALL DEPENDS ${_tekuran_icon_files})

# ---- Windows program file ----------------------------------------------------

# Configured on every platform so that the packaging tests can compile it with
# a cross resource compiler; only a Windows build links it in.
set(TEKURAN_ICO_PATH ${TEKURAN_ICON_DIR}/${TEKURAN_APP_ID}.ico)
set(TEKURAN_RC_FILE ${PROJECT_BINARY_DIR}/packaging/tekuran.rc)
configure_file(${_tekuran_packaging_dir}/tekuran.rc.in ${TEKURAN_RC_FILE} @ONLY)

if(WIN32)
    enable_language(RC)
    target_sources(tekuran PRIVATE ${TEKURAN_RC_FILE})
    set_source_files_properties(${TEKURAN_RC_FILE} PROPERTIES OBJECT_DEPENDS ${TEKURAN_ICO_PATH})
    add_dependencies(tekuran tekuran_icons)
    # A windowed program: no console window opens behind the game.
    set_target_properties(tekuran PROPERTIES WIN32_EXECUTABLE ON)
endif()

# ---- Install -----------------------------------------------------------------

# Every library the program needs is a system one, so the installed program
# carries no search path of its own (Qt's project setup would add $ORIGIN).
set_target_properties(tekuran PROPERTIES INSTALL_RPATH "")
install(TARGETS tekuran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    set(_tekuran_desktop_file ${PROJECT_BINARY_DIR}/packaging/${TEKURAN_APP_ID}.desktop)
    set(_tekuran_metainfo_file ${PROJECT_BINARY_DIR}/packaging/${TEKURAN_APP_ID}.metainfo.xml)
    configure_file(${_tekuran_packaging_dir}/tekuran.desktop.in ${_tekuran_desktop_file} @ONLY)
    configure_file(${_tekuran_packaging_dir}/tekuran.metainfo.xml.in ${_tekuran_metainfo_file} @ONLY)

    install(FILES ${_tekuran_desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${_tekuran_metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS TEKURAN_ICON_SIZES)
        install(FILES ${TEKURAN_ICON_DIR}/hicolor/${size}x${size}/apps/${TEKURAN_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

# ---- Debian package ----------------------------------------------------------

set(CPACK_PACKAGE_NAME tekuran)
set(CPACK_PACKAGE_VERSION ${TEKURAN_VERSION})
set(CPACK_PACKAGE_CONTACT "テク・ラン developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing reaction trainer with a Japanese interface")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "テク・ラン shows one of the 36 digit and letter keys of a QWERTY keyboard\n"
    "at a time; the player must press it before the level's time limit runs\n"
    "out. After sixty seconds of play it shows the correct keys, the misses\n"
    "and the accuracy.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the Qt 6 libraries the binary links; the font is not a
# link dependency, but without it Japanese text falls back to a font of other
# metrics and the screens lose their designed layout.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)

include(CPack)
