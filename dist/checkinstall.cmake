# Installs the build into STAGE and checks that the installed tree is complete and valid.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
        ${BINDIR}/varnel
        ${DATADIR}/applications/varnel.desktop
        ${DATADIR}/metainfo/com.dovrane.Varnel.metainfo.xml
        ${DATADIR}/icons/hicolor/scalable/apps/varnel.svg)
    if(NOT EXISTS ${STAGE}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
# The launcher's icon and command, and the metadata's launcher, are all in the tree.
file(STRINGS ${STAGE}/${DATADIR}/applications/varnel.desktop icon_line REGEX "^Icon=")
file(STRINGS ${STAGE}/${DATADIR}/applications/varnel.desktop exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" command "${exec_line}")
if(NOT EXISTS ${STAGE}/${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg)
    message(FATAL_ERROR "the launcher's icon \"${icon}\" is not installed")
endif()
if(NOT EXISTS ${STAGE}/${BINDIR}/${command})
    message(FATAL_ERROR "the launcher's command \"${command}\" is not installed")
endif()
file(READ ${STAGE}/${DATADIR}/metainfo/com.dovrane.Varnel.metainfo.xml metainfo)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" _ "${metainfo}")
if(NOT EXISTS ${STAGE}/${DATADIR}/applications/${CMAKE_MATCH_1})
    message(FATAL_ERROR "the metadata's launcher \"${CMAKE_MATCH_1}\" is not installed")
endif()
if(NOT APPSTREAMCLI)
    message(FATAL_ERROR "appstreamcli not found; run scripts/install-deps")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${STAGE}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed: ${result}")
endif()
