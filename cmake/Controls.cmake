# The owner-drawn control library (controls/) and its tests.

# Files that include no Windows header: built natively for unit tests and into the product.
set(CONTROLS_PORTABLE_SOURCES
)

# Win32 code of the library.
set(CONTROLS_SOURCES
)

# Native GoogleTest files (tests/unit/).
set(CONTROLS_UNIT_TESTS
)

# In-process tests under Wine (tests/wine/); their suite names must begin with "Controls".
set(CONTROLS_WINE_TESTS
)
