# The owner-drawn control library (controls/) and its tests.

# Files that include no Windows header: built natively for unit tests and into the product.
set(CONTROLS_PORTABLE_SOURCES
  controls/blink_rules.cpp
  controls/check_button_rules.cpp
  controls/edge_colors.cpp
  controls/list_ring.cpp
  controls/placement.cpp
  controls/static_3d_rules.cpp
  controls/text_fit_rules.cpp
)

# Win32 code of the library.
set(CONTROLS_SOURCES
  controls/bitmap_check_box.cpp
  controls/bitmap_check_box2.cpp
  controls/bitmap_check_button.cpp
  controls/bitmap_painting.cpp
  controls/bitmap_push_button.cpp
  controls/blink_check_box.cpp
  controls/blink_list.cpp
  controls/button_release.cpp
  controls/button_root.cpp
  controls/button_text.cpp
  controls/check_button.cpp
  controls/check_button_3d.cpp
  controls/color_push_button.cpp
  controls/ctrl_3d.cpp
  controls/frame_painting.cpp
  controls/list_button.cpp
  controls/list_push_button.cpp
  controls/offscreen_dc.cpp
  controls/panel_3d.cpp
  controls/push_button.cpp
  controls/push_face.cpp
  controls/static_3d.cpp
  controls/text_fit.cpp
)

# Native GoogleTest files (tests/unit/).
set(CONTROLS_UNIT_TESTS
  tests/unit/controls_check_button_rules_test.cpp
  tests/unit/controls_edge_colors_test.cpp
  tests/unit/controls_placement_test.cpp
  tests/unit/controls_static_3d_rules_test.cpp
  tests/unit/controls_text_fit_rules_test.cpp
)

# In-process tests under Wine (tests/wine/); their suite names must begin with "Controls".
set(CONTROLS_WINE_TESTS
  tests/wine/button_parent.cpp
  tests/wine/controls_blink_test.cpp
  tests/wine/controls_check_box_faces_test.cpp
  tests/wine/controls_check_button_test.cpp
  tests/wine/controls_drawing_test.cpp
  tests/wine/controls_gdi_leak_test.cpp
  tests/wine/controls_push_buttons_test.cpp
  tests/wine/controls_statics_3d_test.cpp
  tests/wine/controls_viewer_toggles_test.cpp
)
