# Installs the build into STAGE and checks the installed tree: exactly the expected files, the
# icons at the sizes their folders name, the launcher, metadata and icon naming one another, and
# the validators on the installed files. Lists arrive comma-separated.
cmake_minimum_required(VERSION 3.25)

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

# The width and height in a PNG's header (big-endian, at bytes 16 to 23).
function(read_png_size path out)
    file(READ ${path} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()

string(REPLACE "," ";" icon_sizes "${ICON_SIZES}")
string(REPLACE "," ";" translations "${TRANSLATIONS}")
set(icons ${DATADIR}/icons/hicolor)
set(expected
    ${BINDIR}/varnel
    ${SOUND_MODULE}
    ${MANDIR}/man1/varnel.1
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${LICENSE_DIR}/LICENSE
    ${icons}/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected ${icons}/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(translation IN LISTS translations)
    list(APPEND expected ${DATADIR}/varnel/translations/${translation})
endforeach()

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
    fail("installed tree differs; missing: ${missing}; unexpected: ${unexpected}")
endif()

foreach(size IN LISTS icon_sizes)
    read_png_size(${STAGE}/${icons}/${size}x${size}/apps/${APP_ID}.png actual)
    if(NOT actual STREQUAL "${size}x${size}")
        fail("the ${size}x${size} icon is ${actual} pixels")
    endif()
endforeach()
# The screenshot is published rather than installed, but the metadata states its size.
read_png_size(${SCREENSHOT} actual)
if(NOT actual STREQUAL SCREENSHOT_SIZE)
    fail("the screenshot is ${actual} pixels, the metadata says ${SCREENSHOT_SIZE}")
endif()

# The launcher's icon and command, and the metadata's launcher, are all in the tree.
set(desktop ${STAGE}/${DATADIR}/applications/${APP_ID}.desktop)
file(STRINGS ${desktop} icon_line REGEX "^Icon=")
file(STRINGS ${desktop} exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" command "${exec_line}")
if(NOT EXISTS ${STAGE}/${icons}/scalable/apps/${icon}.svg)
    fail("the launcher's icon \"${icon}\" is not installed")
endif()
if(NOT EXISTS ${STAGE}/${BINDIR}/${command})
    fail("the launcher's command \"${command}\" is not installed")
endif()
file(READ ${STAGE}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" _ "${metainfo}")
if(NOT EXISTS ${STAGE}/${DATADIR}/applications/${CMAKE_MATCH_1})
    fail("the metadata's launcher \"${CMAKE_MATCH_1}\" is not installed")
endif()

if(NOT DESKTOP_FILE_VALIDATE)
    fail("desktop-file-validate not found; run scripts/install-deps")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
# Hints also exit with 0; any line of output fails all the same.
if(NOT result EQUAL 0 OR report)
    fail("desktop-file-validate on the installed launcher: ${result}\n${report}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/appstreamcheck.cmake)
varnel_check_appstream("${APPSTREAMCLI}" validate-tree ${STAGE})
