# Parts of the program loaded when first needed (paths relative to src/ui/):
# the loader and the program's side of each part.
set(CARDOVA_UI_PARTS_SOURCES
  parts/Charts.cpp
  parts/LazySound.cpp
  parts/PartLoader.cpp
)
