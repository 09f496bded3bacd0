# Runs cardova-cli with its options where a user may put them: help, options
# after the positional words, bad options, and game names JSON must escape.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data)

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

set(common --data-dir ${WORK}/data --settings ${WORK}/settings.ini)
set(usage_deal "cardova-cli deal [--data-dir DIR] [--settings FILE] [--no-autoplay] GAME NUMBER")
set(usage_play "cardova-cli play [--data-dir DIR] [--settings FILE] GAME NUMBER ACTION...")
set(usage_export "cardova-cli export [--data-dir DIR] [--settings FILE] OUT")
set(usage_stats "cardova-cli stats [--data-dir DIR] [--settings FILE]")

# prints(AT TEXT ARGS...): status 0, nothing on stderr, TEXT at AT (-1: anywhere) of stdout.
function(prints at text)
  run(0 ${ARGN})
  string(FIND "${out}" "${text}" found)
  if(NOT err STREQUAL "" OR found EQUAL -1 OR (at GREATER -1 AND NOT found EQUAL at))
    message(FATAL_ERROR "cardova-cli ${ARGN}: no \"${text}\" in\n${out}\n${err}")
  endif()
endfunction()

foreach(command deal play export stats)
  foreach(flag --help -h)
    prints(-1 "${usage_${command}}" ${flag})
    prints(0 "usage: ${usage_${command}}\n" ${command} ${flag})
    prints(-1 "--settings <FILE>" ${command} ${flag})
  endforeach()
endforeach()
prints(-1 "--no-autoplay" deal --help)
prints(0 "usage: ${usage_play}" play ${common} Klondike 1 stock w>f0 --help)

# refused(ARGS...): status 2, nothing on stdout and one line on stderr.
function(refused)
  run(2 ${ARGN})
  if(NOT out STREQUAL "" OR NOT err MATCHES "^cardova-cli: [^\n]+\n$")
    message(FATAL_ERROR "cardova-cli ${ARGN}: expected one error line, got\n${out}\n${err}")
  endif()
endfunction()

refused(--bogus)
refused(play ${common} Klondike 1 stock --bogus)
refused(play ${common} --no-autoplay Klondike 1)
refused(deal ${common} Klondike 1 --no-autoplay=yes)
refused(deal --settings ${WORK}/settings.ini Klondike 1 --data-dir)
refused(export --data-dir ${WORK}/data ${WORK}/out.txt --settings)

# Options after the positional words count as they do before them.
run(0 deal ${common} Klondike 4711)
set(autoplayed "${out}")
run(0 deal ${common} --no-autoplay Klondike 4711)
set(held "${out}")
run(0 deal Klondike 4711 ${common} --no-autoplay)
if(NOT out STREQUAL held OR held STREQUAL autoplayed)
  message(FATAL_ERROR "--no-autoplay after the game counts differently:\n${held}\n${out}")
endif()
run(0 play Klondike 4711 t0:0>t3 w>f0 autoplay:off stock --data-dir ${WORK}/data --settings ${WORK}/late.ini)
string(JSON results LENGTH "${out}" results)
file(READ ${WORK}/late.ini ini)
if(NOT results EQUAL 4 OR NOT ini MATCHES "Autoplay=0")
  message(FATAL_ERROR "play with its options last: ${results} results\n${out}\n${ini}")
endif()
# A sign makes no option of a game number.
run(0 deal ${common} Klondike -5)
string(JSON number GET "${out}" number)
if(NOT number STREQUAL "-5")
  message(FATAL_ERROR "-5 read as ${number}")
endif()

# Names with spaces, quotes, backslashes, control characters and letters
# beyond ASCII come back from the JSON as they went in; such letters are
# printed as they are. Custom games take their names from their files.
string(ASCII 1 soh)
string(ASCII 8 bs)
string(ASCII 9 tab)
string(ASCII 12 ff)
set(names "Odd \"Name\" \\ é ♥" "Tab${tab}Form${ff}Back${bs}Start${soh}")
foreach(name IN LISTS names)
  file(WRITE "${WORK}/data/${name}.gam" "0,0,0,4,13,7,1,1\r\n")
endforeach()
foreach(name IN LISTS names ITEMS "Klondike Plus")
  run(0 deal "${name}" 7 ${common})
  string(JSON game GET "${out}" game)
  if(NOT game STREQUAL name)
    message(FATAL_ERROR "dealt \"${name}\", printed as \"${game}\":\n${out}")
  endif()
endforeach()
prints(-1 "é ♥" deal "Odd \"Name\" \\ é ♥" 7 ${common})
