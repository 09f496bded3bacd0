# Runs "cardova-cli deal" as a user would and checks its output and errors.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data)
file(WRITE ${WORK}/data/Broken.gam "1,2,3")

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

set(common --data-dir ${WORK}/data --settings ${WORK}/settings.ini)
run(0 deal ${common} Klondike 4711)
string(JSON game GET "${out}" game)
string(JSON number GET "${out}" number)
string(JSON piles LENGTH "${out}" tableau)
string(JSON stock LENGTH "${out}" stock)
string(JSON first GET "${out}" deck 0)
string(JSON goal GET "${out}" goalCards)
if(NOT game STREQUAL "Klondike" OR NOT number STREQUAL "4711" OR NOT piles EQUAL 7
   OR NOT stock EQUAL 24 OR NOT first EQUAL 11 OR NOT goal EQUAL 1)
  message(FATAL_ERROR "unexpected deal: ${out}")
endif()

run(0 deal ${common} --no-autoplay Lawn 1)
string(JSON goal GET "${out}" goalCards)
string(JSON king GET "${out}" foundation 0 0 card)
if(NOT goal EQUAL 1 OR NOT king STREQUAL "KH")
  message(FATAL_ERROR "unexpected Lawn deal: ${out}")
endif()

foreach(bad "Nope 1" "Klondike 12abc" "Broken 1")
  separate_arguments(args UNIX_COMMAND "${bad}")
  run(2 deal ${common} ${args})
  if(err STREQUAL "")
    message(FATAL_ERROR "no error line for ${bad}")
  endif()
endforeach()
