# Runs the program with the options that only print. The test sets no display and forces the X11
# platform, so anything that opened a window would abort instead of passing; starting without
# options shows that it does.
function(run expected_code)
  execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 20)
  if(NOT code STREQUAL expected_code)
    message(FATAL_ERROR "tolvik ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(0 --version)
if(NOT out STREQUAL "Tolvik ${VERSION}\n")
  message(FATAL_ERROR "--version printed '${out}'")
endif()

run(0 --help)
if(NOT out MATCHES "^Usage: tolvik \\[--help \\| --version\\]\n" OR NOT out MATCHES "--version  print the version")
  message(FATAL_ERROR "--help printed '${out}'")
endif()

run(2 --versoin)
if(NOT out STREQUAL "" OR NOT err MATCHES "unknown option --versoin")
  message(FATAL_ERROR "a mistyped option printed '${out}' and '${err}'")
endif()

execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET TIMEOUT 20)
if(code EQUAL 0)
  message(FATAL_ERROR "the program started without a display, so the checks above prove nothing")
endif()
