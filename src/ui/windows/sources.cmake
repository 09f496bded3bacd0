# The table view, the main window and the dialogs (paths relative to src/ui/).
set(CARDOVA_UI_WINDOWS_SOURCES
)
