# Fails, naming each one, when an option that `varnel --help` lists is missing from the manual
# page. Arguments: VARNEL (the built executable), MANPAGE (the page's source).
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${VARNEL} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "varnel --help failed: ${result}")
endif()
string(REGEX MATCHALL "--[a-z][a-z0-9-]*[a-z0-9]" options "${help}")
list(REMOVE_DUPLICATES options)
# An empty list would pass without checking anything.
if(NOT "--help" IN_LIST options)
    message(FATAL_ERROR "found no options in the output of varnel --help:\n${help}")
endif()

# The page writes a dash as \- and wraps names in font changes such as \fB...\fR.
file(READ ${MANPAGE} page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
set(missing "")
foreach(option IN LISTS options)
    # --fret must not count as found inside --fret-numbers.
    if(NOT page MATCHES "${option}([^a-z0-9-]|$)")
        list(APPEND missing ${option})
    endif()
endforeach()
if(missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "the manual page does not mention: ${missing}")
endif()
