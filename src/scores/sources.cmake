# Sources of the score store, part of cardova_core (paths relative to src/).
set(CARDOVA_SCORES_SOURCES
  scores/RecordLine.cpp
  scores/DateText.cpp
  scores/LocaleDate.cpp
  scores/ScoreFile.cpp
  scores/Favourites.cpp
  scores/Rankings.cpp
  scores/Summaries.cpp
  scores/ExportLine.cpp
  scores/StatExport.cpp
  scores/cScore.cpp
)
