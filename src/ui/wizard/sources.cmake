# The games wizard (paths relative to src/ui/).
set(CARDOVA_UI_WIZARD_SOURCES
  wizard/ChoiceWidgets.cpp
  wizard/GameNameCheck.cpp
  wizard/LayoutPicture.cpp
  wizard/MoreRulesPage.cpp
  wizard/RecordChoices.cpp
  wizard/RuleChoiceTexts.cpp
  wizard/StartFromList.cpp
  wizard/frmAddGame.cpp
  wizard/frmGamesWizard.cpp
)
