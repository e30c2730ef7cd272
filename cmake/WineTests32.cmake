# The shipping 32-bit build under the 32-bit Wine, which is emulated where the machine cannot run
# 32-bit code and then several times slower. In process, one session runs what differs with
# pointer size and calling convention: packed mouse coordinates and wheel deltas, the tracker's
# nested loop, GDI+ structures and encoder parameters, the print dialog's packed
# structure and the printer's calls.
set(POINTER_SIZE_TESTS
  ViewerMouse.ClickInZoomInModeZoomsAboutTheClickedPoint
  ViewerMouse.InModeFiveAClickOnlyMovesTheCentreForTheNextWheelStep
  ViewerMouse.DraggingTheRectangleToEachEdgeGivesTheEdgeOffsets
  TrackerDrag.StopsAtEveryEdgeOfTheThumbnailWithItsSizeKept
  JpegExport.SavedFileShowsTheZoomedPannedBrightenedViewSaysWhereItCameFrom
  ViewerPrint.ZoomedBrightViewFillsThePageWidthWithoutTheCaption)
string(JOIN ":" filter ${POINTER_SIZE_TESTS})
add_wine_test(NAME wine32.PointerSize COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=${filter}
  LABEL wine)

# The release zip's both builds end to end, each under its own kind of Wine, each verifying the
# other's stills (the sessions it starts lock the build trees' prefixes themselves).
get_filename_component(SHIPPING_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME e2e.ShippingBuilds
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/shipping-builds.sh ${SHIPPING_BUILD_ROOT})
set_tests_properties(e2e.ShippingBuilds PROPERTIES LABELS e2e RESOURCE_LOCK wine_session
  TIMEOUT 900)
