# The release zip (tools/package.sh), made from this build and the 32-bit one beside it in the
# same build root, as tools/run-tests.sh lays them out.
get_filename_component(PACKAGE_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME package.Release
  COMMAND ${CMAKE_SOURCE_DIR}/tests/package/release-test.sh ${PACKAGE_BUILD_ROOT})
set_tests_properties(package.Release PROPERTIES LABELS package TIMEOUT 120)

# The package's x86_64 viewer run from a read-only folder, and its verifier on what it saved.
add_wine_test(NAME e2e.PackagedViewer HOST_SCRIPT LABEL e2e
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/packaged-viewer.sh $<TARGET_FILE:e2e_tests>
  ${PACKAGE_BUILD_ROOT})
