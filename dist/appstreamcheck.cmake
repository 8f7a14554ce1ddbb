# varnel_check_appstream(APPSTREAMCLI ARGS...): runs appstreamcli ARGS with every hint shown and
# fails on any issue it reports, pedantic ones included.
function(varnel_check_appstream appstreamcli)
    if(NOT appstreamcli)
        message(FATAL_ERROR "appstreamcli not found; run scripts/install-deps")
    endif()
    execute_process(COMMAND ${appstreamcli} ${ARGN} --pedantic --no-net
                    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    string(REGEX MATCHALL "[EWIP]: [^\n]*" issues "${report}")
    if(NOT result EQUAL 0 OR issues)
        list(JOIN ARGN " " arguments)
        message(FATAL_ERROR "appstreamcli ${arguments}: ${result}\n${report}")
    endif()
endfunction()
