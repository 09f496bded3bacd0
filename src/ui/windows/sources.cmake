# The table view, the main window and the dialogs (paths relative to src/ui/).
set(CARDOVA_UI_WINDOWS_SOURCES
  windows/AppIcon.cpp
  windows/AppWiring.cpp
  windows/MainMenus.cpp
  windows/SolveRun.cpp
  windows/SolverAdvice.cpp
  windows/Sprites.cpp
  windows/TableHint.cpp
  windows/TableView.cpp
  windows/ToolbarIcons.cpp
  windows/frmAbout.cpp
  windows/frmCustomize.cpp
  windows/frmHistory.cpp
  windows/frmMain.cpp
  windows/WindowMemory.cpp
  windows/frmSplash.cpp
)
