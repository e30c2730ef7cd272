# The owner-drawn control library (controls/) and its tests.

# Files that include no Windows header: built natively for unit tests and into the product.
set(CONTROLS_PORTABLE_SOURCES
  controls/check_button_rules.cpp
  controls/edge_colors.cpp
  controls/placement.cpp
)

# Win32 code of the library.
set(CONTROLS_SOURCES
  controls/bitmap_check_box.cpp
  controls/bitmap_check_box2.cpp
  controls/bitmap_check_button.cpp
  controls/bitmap_painting.cpp
  controls/button_text.cpp
  controls/check_button.cpp
  controls/check_button_3d.cpp
  controls/frame_painting.cpp
  controls/offscreen_dc.cpp
)

# Native GoogleTest files (tests/unit/).
set(CONTROLS_UNIT_TESTS
  tests/unit/controls_check_button_rules_test.cpp
  tests/unit/controls_edge_colors_test.cpp
  tests/unit/controls_placement_test.cpp
)

# In-process tests under Wine (tests/wine/); their suite names must begin with "Controls".
set(CONTROLS_WINE_TESTS
  tests/wine/controls_check_box_faces_test.cpp
  tests/wine/controls_check_button_test.cpp
  tests/wine/controls_drawing_test.cpp
  tests/wine/controls_gdi_leak_test.cpp
  tests/wine/controls_viewer_toggles_test.cpp
)
