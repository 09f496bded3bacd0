# Plays a game with cardova-cli, then reads it back through "stats" and "export".
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data)
file(WRITE ${WORK}/settings.ini "[Users]\n1=Ann\n2=Bob\n100=Ann\n")
# Bob's file: two games and one damaged line.
string(ASCII 13 CR)
file(WRITE ${WORK}/data/Bob.sre
  "\"2026-03-01 10:00:00\",\"Lawn\",7,100,40,60,1${CR}\n\"2026-03-01 10:0${CR}\n\"2026-03-02 10:00:00\",\"Lawn\",\"0008\",50,20,4,0${CR}\n")

include(${CMAKE_CURRENT_LIST_DIR}/../cli/CliTestSupport.cmake)

function(expect_json what expected)
  string(JSON value GET "${out}" ${ARGN})
  if(NOT value STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: got ${value}, expected ${expected}\n${out}")
  endif()
endfunction()

set(common --data-dir ${WORK}/data --settings ${WORK}/settings.ini)
# A won game of Klondike number 1 (the actions of tests/session/WonGameTest.cpp).
separate_arguments(win UNIX_COMMAND
  "t1:1>t2 stock stock stock stock stock t3:3>t4 stock stock stock stock w>t4 stock stock \
stock stock stock stock stock stock stock stock stock w>t6 t4:2>t6 stock stock stock \
stock w>t6 stock stock stock stock w>t6 t5:5>t6 t5:2>t2 stock stock stock w>t3 t2:2>t3 \
stock stock stock stock stock stock w>t6 stock stock w>t3 w>t0 t1:0>t0 t6:6>t1 t6:4>t3 \
w>t3 t5:1>t3 t6:3>t5 w>t1 t4:1>t1 t2:1>t4 w>t2 t5:0>t2 stock stock stock stock stock \
stock stock w>t5 stock w>t6 stock stock stock w>t5 t6:2>t5 t6:1>t5 t6:0>t2 t3:2>t2")
run(0 play ${common} Klondike 1 ${win})
expect_json("won" ON won)

run(0 stats ${common})
expect_json("records" 3 records)
expect_json("skipped" 1 skipped)
expect_json("all played" 3 all played)
expect_json("all won" 2 all won)
expect_json("first game" Klondike games 0 name)
expect_json("Klondike won" 1 games 0 won)
expect_json("Lawn lost" 1 games 2 lost)
expect_json("first player" Ann players 0 name)
expect_json("Bob score" 64 players 1 score)
expect_json("best score" Ann topScore 0 player)
string(JSON won_ranks LENGTH "${out}" topWonScore)
if(NOT won_ranks EQUAL 2)
  message(FATAL_ERROR "expected 2 won games ranked: ${out}")
endif()
expect_json("fewest moves" 40 topMoves 0 moves)
expect_json("text number" 0008 topScore 2 number)
expect_json("stored date" "2026-03-02 10:00:00" topScore 2 date)
string(JSON unreadable LENGTH "${out}" unreadable)
if(NOT unreadable EQUAL 0)
  message(FATAL_ERROR "every score file could be read: ${out}")
endif()

run(0 export ${common} ${WORK}/board.txt)
# CMake drops carriage returns when reading text, so check the line endings in hex.
file(READ ${WORK}/board.txt hex HEX)
string(REGEX MATCHALL "0d0a" endings "${hex}")
string(REGEX MATCHALL "0a" feeds "${hex}")
list(LENGTH endings lines)
list(LENGTH feeds all_feeds)
# 15 lines of header and totals, 7 + 2 players, 6 + 3 games, 3 + 3 records
# (the hex text is plain ASCII, so a match never straddles two bytes).
if(NOT lines EQUAL 36 OR NOT all_feeds EQUAL 36 OR NOT hex MATCHES "0d0a$")
  message(FATAL_ERROR "expected 36 CR LF lines, got ${lines} of ${all_feeds}")
endif()
file(READ ${WORK}/board.txt board)
if(NOT board MATCHES "^Cardova Score Board\n" OR NOT board MATCHES "Lawn          Bob           Lost           4 [^\n]*0008\n$")
  message(FATAL_ERROR "unexpected export:\n${board}")
endif()

run(2 export ${common} ${WORK}/no/such/folder/board.txt)
run(2 stats ${common} extra)
run(2 export ${common})

# Names holding "%1" and a score file that cannot be read. "Cy" plays, but a
# folder stands where Cy's score file belongs.
set(odd --data-dir ${WORK}/odd --settings ${WORK}/odd.ini)
file(MAKE_DIRECTORY ${WORK}/odd/Cy.sre)
file(WRITE ${WORK}/odd.ini "[Users]\n1=P%1 %2\n2=Cy\n100=Cy\n")
file(WRITE "${WORK}/odd/P%251 %252.sre" "\"2026-03-01 %1\",\"Lawn %2\",7,100,40,60,1${CR}\n")
run(0 stats ${odd})
expect_json("player with %1" "P%1 %2" players 0 name)
expect_json("ranked player" "P%1 %2" topScore 0 player)
expect_json("ranked game" "Lawn %2" topScore 0 game)
expect_json("ranked date" "2026-03-01 %1" topScore 0 date)
expect_json("ranked score" 60 topScore 0 score)
expect_json("unreadable file" Cy.sre unreadable 0)

run(0 export ${odd} ${WORK}/odd-board.txt)
if(NOT err MATCHES "Cy.sre")
  message(FATAL_ERROR "the export must name the file it could not read: ${err}")
endif()

# A won game that cannot be written is no success.
run(3 play ${odd} Klondike 1 ${win})
expect_json("won" ON won)
if(NOT err MATCHES "could not be written to the score file")
  message(FATAL_ERROR "the reason must be on standard error: ${err}")
endif()
