# The games wizard (paths relative to src/ui/).
set(CARDOVA_UI_WIZARD_SOURCES
  wizard/GameNameCheck.cpp
  wizard/RecordChoices.cpp
  wizard/frmAddGame.cpp
  wizard/frmGamesWizard.cpp
)
