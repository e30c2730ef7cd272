# Native unit tests of the platform-free code.
include(GoogleTest)

add_executable(unit_tests
  tests/unit/afx_command_line_test.cpp
  tests/unit/bench_table_test.cpp
  tests/unit/embedded_thumbnail_test.cpp
  tests/unit/face_scale_test.cpp
  tools/bench/bench_table.cpp
  tests/unit/afx_object_test.cpp
  tests/unit/afx_oblist_test.cpp
  tests/unit/image_header_fuzz_test.cpp
  tests/unit/image_header_test.cpp
  tests/unit/layout_scaling_test.cpp
  tests/unit/mouse_mapping_test.cpp
  tests/unit/navigator_bounds_test.cpp
  tests/unit/page_rect_test.cpp
  tests/unit/picture_path_test.cpp
  tests/unit/printed_record_test.cpp
  tests/unit/provenance_test.cpp
  tests/unit/record_copies_test.cpp
  tests/unit/record_readers_test.cpp
  tests/unit/recorded_source_test.cpp
  tests/unit/resource_art_test.cpp
  tests/unit/save_rules_fuzz_test.cpp
  tests/unit/save_rules_test.cpp
  tools/fuzz/save_rules_properties.cpp
  tests/unit/scroll_bar_setup_test.cpp
  tests/unit/key_map_test.cpp
  tests/unit/still_record_test.cpp
  tests/unit/scroll_position_test.cpp
  tests/unit/view_adjustments_test.cpp
  tests/unit/view_geometry_test.cpp
  ${CONTROLS_UNIT_TESTS}
)
target_include_directories(unit_tests PRIVATE .)
target_compile_definitions(unit_tests PRIVATE STILLVIEW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE stillview_viewer stillview_verify stillview_art stillview_test_files
  GTest::gtest_main)
gtest_discover_tests(unit_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)

# No folder below the viewer reaches up into viewer/ or app/.
add_test(NAME rooms.UpwardIncludes COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
  -P ${CMAKE_SOURCE_DIR}/tests/rooms/upward_includes.cmake)
set_tests_properties(rooms.UpwardIncludes PROPERTIES LABELS unit)
