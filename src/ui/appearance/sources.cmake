# Card faces, backs, backgrounds, marks, sounds and help (paths relative to src/ui/).
set(CARDOVA_UI_APPEARANCE_SOURCES
  appearance/Placeholder.cpp
)
