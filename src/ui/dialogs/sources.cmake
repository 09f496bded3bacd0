# The game-choosing, finished-game and high-score dialogs (paths relative to src/ui/).
set(CARDOVA_UI_DIALOGS_SOURCES
)
