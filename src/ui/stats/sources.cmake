# The statistics views (paths relative to src/ui/).
set(CARDOVA_UI_STATS_SOURCES
)
