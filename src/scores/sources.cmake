# Sources of the score store, part of cardova_core (paths relative to src/).
set(CARDOVA_SCORES_SOURCES
)
