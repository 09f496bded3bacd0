# Runs "cardova-cli play" as a user would: scripted moves, undo, malformed input.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data)
set(common --data-dir ${WORK}/data --settings ${WORK}/settings.ini)

execute_process(COMMAND ${CLI} play ${common} Klondike 4711 stock stock undo redo autoplay:off t0:0>t3 undoall
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "play failed (${rc}): ${err}")
endif()
string(JSON results GET "${out}" results)
string(JSON pos GET "${out}" transPos)
string(JSON top GET "${out}" transTop)
string(JSON won GET "${out}" won)
string(JSON rows LENGTH "${out}" history)
string(JSON mark GET "${out}" history 1 4)
string(JSON source GET "${out}" history 0 1)
# 9S on pile 0 does not fit the 8C of pile 3: that drag changes nothing.
if(NOT results STREQUAL "[ true, true, true, true, false, false, true ]" OR NOT pos EQUAL 0
   OR NOT top EQUAL 3 OR NOT won STREQUAL "OFF" OR NOT rows EQUAL 3 OR NOT mark STREQUAL "redo"
   OR NOT source STREQUAL "Tableau (Pile 4, Card 4)")
  message(FATAL_ERROR "unexpected play result: ${out}")
endif()
file(READ ${WORK}/settings.ini ini)
if(NOT ini MATCHES "Autoplay=0")
  message(FATAL_ERROR "autoplay:off was not stored:\n${ini}")
endif()

execute_process(COMMAND ${CLI} play ${common} Klondike 1 stock t9>t1
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR err STREQUAL "" OR NOT out STREQUAL "")
  message(FATAL_ERROR "a malformed action must stop before playing: ${rc} ${out} ${err}")
endif()

# SRC>DST drops the card where a card laid on DST would lie, as a player's
# drag does: here the foundation refuses the 2C, while the empty pile 2,
# which the card overlaps there, takes it.
file(WRITE ${WORK}/data/Loose.gam "2,0,0,9,13,4,1,1\r\n")
file(REMOVE ${WORK}/loose.ini)
execute_process(COMMAND ${CLI} play --data-dir ${WORK}/data --settings ${WORK}/loose.ini Loose 917559679519
  stock w>t2 undo t1:1>t0 stock t2:2>t0 t2:1>t3 autoplay:off t2:0>t0 t0:3>f0
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "play failed (${rc}): ${err}")
endif()
string(JSON last GET "${out}" results 9)
string(JSON pile2 LENGTH "${out}" tableau 2)
string(JSON pile0 LENGTH "${out}" tableau 0)
set(landed "")
if(pile2 EQUAL 1)
  string(JSON landed GET "${out}" tableau 2 0 card)
endif()
if(NOT last STREQUAL "ON" OR NOT landed STREQUAL "2C" OR NOT pile0 EQUAL 3)
  message(FATAL_ERROR "t0:3>f0 did not drop the 2C on the empty pile 2: ${out}")
endif()
