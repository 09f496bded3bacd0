# The games wizard (paths relative to src/ui/).
set(CARDOVA_UI_WIZARD_SOURCES
)
