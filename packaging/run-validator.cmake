# Runs a validator on an installed data file: cmake -DTOOL=PATH -DPACKAGE=NAME
# [-DSILENT=ON] -P run-validator.cmake ARGS... A missing tool fails the check,
# since `make setup` installs it. The tool's exit status decides, and with
# SILENT anything it says fails too (desktop-file-validate exits 0 on hints).
if(NOT TOOL)
  message(FATAL_ERROR "${PACKAGE} is not installed: `make setup` installs it")
endif()
# The validator's arguments are the ones after the script's name.
set(args)
set(first -1)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(first GREATER_EQUAL 0 AND i GREATER_EQUAL first)
    list(APPEND args "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "-P")
    math(EXPR first "${i} + 2")
  endif()
endforeach()
execute_process(COMMAND ${TOOL} ${args} RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
message("${said}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} refused the file (status ${status})")
endif()
if(SILENT AND NOT said STREQUAL "")
  message(FATAL_ERROR "${TOOL} found something to say about the file")
endif()
