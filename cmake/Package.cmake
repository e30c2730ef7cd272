# The release zip (tools/package.sh), made from this build and the 32-bit one beside it in the
# same build root, as tools/run-tests.sh lays them out.
get_filename_component(PACKAGE_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME package.Release
  COMMAND ${CMAKE_SOURCE_DIR}/tests/package/release-test.sh ${PACKAGE_BUILD_ROOT})
set_tests_properties(package.Release PROPERTIES LABELS package TIMEOUT 600 RESOURCE_LOCK wine_session)

