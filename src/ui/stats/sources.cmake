# The statistics views (paths relative to src/ui/).
set(CARDOVA_UI_STATS_SOURCES
  stats/StatActions.cpp
  stats/StatCharts.cpp
  stats/StatTexts.cpp
  stats/UnreadableNote.cpp
  stats/frmGameStat.cpp
  stats/frmLogStat.cpp
  stats/frmSesStat.cpp
)
