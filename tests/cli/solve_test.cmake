# Runs "cardova-cli solve" and plays the line it prints: appended to play's
# actions it must win the game.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data)
include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)
set(common --data-dir ${WORK}/data --settings ${WORK}/settings.ini)

# solve_and_play(NUMBER ACTION...): the actions first, then the solver's line.
function(solve_and_play number)
  run(0 solve ${common} --nodes 300000 Klondike ${number} ${ARGN})
  string(JSON verdict GET "${out}" verdict)
  string(JSON autoplay GET "${out}" autoplay)
  string(JSON count LENGTH "${out}" line)
  if(NOT verdict STREQUAL "winnable" OR NOT autoplay STREQUAL "ON" OR count EQUAL 0)
    message(FATAL_ERROR "Klondike ${number} ${ARGN}: no winning line\n${out}")
  endif()
  set(line "")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON action GET "${out}" line ${i})
    list(APPEND line "${action}")
  endforeach()
  run(0 play ${common} Klondike ${number} ${ARGN} ${line})
  string(JSON won GET "${out}" won)
  string(JSON results GET "${out}" results)
  if(NOT won STREQUAL "ON" OR results MATCHES "false")
    message(FATAL_ERROR "Klondike ${number} ${ARGN} with the solver's line is not won:\n${out}")
  endif()
endfunction()

solve_and_play(1)
solve_and_play(7 stock stock stock)
solve_and_play(2)

# The keys come in a fixed order; --no-autoplay is reported.
run(0 solve ${common} --no-autoplay --nodes 1000 Klondike 5)
if(NOT out MATCHES "^\\{\"game\": \"Klondike\", \"number\": \"5\", \"autoplay\": false, \"verdict\": \"[a-z ]+\", \"line\": \\[.*\\], \"nodes\": [0-9]+, \"seconds\": [0-9.]+\\}\n$")
  message(FATAL_ERROR "unexpected solve output:\n${out}")
endif()

foreach(bad "--seconds;abc" "--seconds;-1" "--nodes;0" "--nodes;many")
  run(2 solve ${common} ${bad} Klondike 1)
endforeach()
run(2 solve ${common} Klondike 1 t9>t1)
run(2 solve ${common} Klondike)

# An empty budget is a bad value, not the default.
function(expect_refused what)
  string(REGEX MATCHALL "\n" ends "${err}")
  list(LENGTH ends lines)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT lines EQUAL 1)
    message(FATAL_ERROR "solve ${what}: status ${rc}, expected 2 and one line on stderr\n${out}\n${err}")
  endif()
endfunction()
foreach(option --seconds --nodes)
  execute_process(COMMAND ${CLI} solve ${common} ${option} "" Klondike 1
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_refused("${option} \"\"")
  execute_process(COMMAND ${CLI} solve ${common} ${option}= Klondike 1
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect_refused("${option}=")
endforeach()

# A line longer than the move log holds is no win: these deals have wins
# of tens of thousands of moves. Either the line printed plays to the win
# within the log, or the verdict is unknown; with lines left out for
# their length, "not winnable" would be no proof.
file(WRITE ${WORK}/data/Long.gam "3,13,4,8,13,9,1,0\r\n")
foreach(number 105 109)
  file(REMOVE ${WORK}/settings.ini)
  run(0 solve ${common} --nodes 1345793 Long ${number})
  string(JSON verdict GET "${out}" verdict)
  string(JSON count LENGTH "${out}" line)
  if(verdict STREQUAL "winnable")
    # Read as text: looking up tens of thousands of elements one by one
    # would parse the object each time. Actions hold no quotes or commas.
    string(REGEX MATCH "\"line\": \\[([^]]*)\\]" _ "${out}")
    string(REPLACE "\", \"" ";" line "${CMAKE_MATCH_1}")
    string(REPLACE "\"" "" line "${line}")
    list(LENGTH line read)
    if(NOT read EQUAL count)
      message(FATAL_ERROR "Long ${number}: read ${read} of the line's ${count} actions")
    endif()
    file(REMOVE ${WORK}/settings.ini)
    run(0 play ${common} Long ${number} ${line})
    string(JSON won GET "${out}" won)
    string(JSON moves GET "${out}" moves)
    if(NOT won STREQUAL "ON")
      message(FATAL_ERROR "Long ${number}: the solver's line of ${count} actions is not won (${moves} moves made)")
    endif()
  elseif(NOT verdict STREQUAL "unknown")
    message(FATAL_ERROR "Long ${number}: ${verdict}, after a search that left out lines too long for the log")
  endif()
endforeach()
