# The shipping 32-bit build under the 32-bit Wine, which is emulated where the machine cannot run
# 32-bit code and then several times slower. In process, one session runs what differs with
# pointer size and calling convention: packed mouse coordinates and wheel deltas, the tracker's
# nested loop, GDI+ structures and encoder parameters, the print dialog's packed
# structure and the printer's calls.
set(POINTER_SIZE_TEST_FILES
  tests/wine/viewer_mouse_test.cpp
  tests/wine/navigator_tracker_test.cpp
  tests/wine/jpeg_export_test.cpp
  tests/wine/viewer_print_test.cpp)
set(POINTER_SIZE_TESTS
  ViewerMouse.ClickInZoomInModeZoomsAboutTheClickedPoint
  ViewerMouse.InModeFiveAClickOnlyMovesTheCentreForTheNextWheelStep
  ViewerMouse.DraggingTheRectangleToEachEdgeGivesTheEdgeOffsets
  TrackerDrag.StopsAtEveryEdgeOfTheThumbnailWithItsSizeKept
  JpegExport.SavedFileShowsTheZoomedPannedBrightenedViewSaysWhereItCameFrom
  ViewerPrint.ZoomedBrightViewFillsThePageWidthWithoutTheCaption)
string(JOIN ":" filter ${POINTER_SIZE_TESTS})

# The test programs of this build hold only the tests it runs, which keeps its compile short: the
# in-process program's helpers with the files of those tests, the end-to-end program's helpers
# with the packaged viewer's test.
function(add_subset_program name of)
  get_target_property(sources ${of} SOURCES)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  add_executable(${name} ${sources} ${ARGN})
  foreach(property INCLUDE_DIRECTORIES LINK_LIBRARIES PRECOMPILE_HEADERS)
    get_target_property(value ${of} ${property})
    if(value)
      set_property(TARGET ${name} PROPERTY ${property} ${value})
    endif()
  endforeach()
  get_target_property(dependencies ${of} MANUALLY_ADDED_DEPENDENCIES)
  if(dependencies)
    add_dependencies(${name} ${dependencies})
  endif()
  set_target_properties(${of} PROPERTIES EXCLUDE_FROM_ALL ON)
endfunction()
add_subset_program(wine32_tests wine_tests ${POINTER_SIZE_TEST_FILES})
add_subset_program(e2e32_tests e2e_tests tests/e2e/packaged_viewer_test.cpp)
# tools/benchmark.sh builds its programs itself.
set_target_properties(bench_floor bench_dialog_floor stillview_bench PROPERTIES EXCLUDE_FROM_ALL ON)

add_wine_test(NAME wine32.PointerSize PRINTS COMMAND $<TARGET_FILE:wine32_tests>
  --gtest_filter=${filter} LABEL wine)

# The release zip's both builds end to end, each under its own kind of Wine, each verifying the
# other's stills (the sessions it starts lock the build trees' prefixes themselves).
get_filename_component(SHIPPING_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME e2e.ShippingBuilds
  COMMAND ${PRINTER_LOCK} ${CMAKE_SOURCE_DIR}/tests/e2e/shipping-builds.sh ${SHIPPING_BUILD_ROOT})
set_tests_properties(e2e.ShippingBuilds PROPERTIES LABELS e2e RESOURCE_LOCK wine_session
  TIMEOUT 900)
