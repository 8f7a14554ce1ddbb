# Validates the configured metadata METAINFO with APPSTREAMCLI.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/appstreamcheck.cmake)
varnel_check_appstream("${APPSTREAMCLI}" validate ${METAINFO})
