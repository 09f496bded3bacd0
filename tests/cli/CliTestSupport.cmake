# Shared by the command-line tests: run(STATUS ARGS...) runs cardova-cli and
# fails unless it exits with STATUS; its output lands in out and err.
function(run expect_rc)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL ${expect_rc})
    message(FATAL_ERROR "cardova-cli ${ARGN}: status ${rc}, expected ${expect_rc}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()
