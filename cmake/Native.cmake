# Platform-free code built for this machine, with its unit tests.
option(STILLVIEW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(STILLVIEW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(cmake/Libraries.cmake)

# Generators of the committed pictures and test files; run by hand when the art changes.
file(GLOB ART_SOURCES CONFIGURE_DEPENDS tools/art/*.cpp)
add_library(stillview_art STATIC ${ART_SOURCES})
target_include_directories(stillview_art PUBLIC tools)
add_executable(make_resources tools/make_resources.cpp)
target_link_libraries(make_resources PRIVATE stillview_art)
add_library(stillview_test_files STATIC tools/image_bytes.cpp)
target_include_directories(stillview_test_files PUBLIC tools)
add_executable(make_malformed_corpus tools/make_malformed_corpus.cpp)
target_link_libraries(make_malformed_corpus PRIVATE stillview_test_files)

include(cmake/UnitTests.cmake)
