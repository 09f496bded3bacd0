# The game-choosing, finished-game and high-score dialogs (paths relative to src/ui/).
set(CARDOVA_UI_DIALOGS_SOURCES
  dialogs/ChooserLists.cpp
  dialogs/DialogImages.cpp
  dialogs/DialogMessage.cpp
  dialogs/FinishChart.cpp
  dialogs/FinishWinHandler.cpp
  dialogs/GameNumberCheck.cpp
  dialogs/GameRulesText.cpp
  dialogs/RulesPanel.cpp
  dialogs/ScoreList.cpp
  dialogs/ScoreRows.cpp
  dialogs/frmChoose.cpp
  dialogs/frmFinish.cpp
  dialogs/frmHighScore.cpp
  dialogs/frmSelect.cpp
)
