# The Windows program, cross-built with mingw-w64, and the tests that run it under Wine.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(MANIFEST_ARCH amd64)
else()
  set(MANIFEST_ARCH x86)
endif()
configure_file(res/stillview.manifest.in ${CMAKE_BINARY_DIR}/res/stillview.manifest @ONLY)
configure_file(res/version.h.in ${CMAKE_BINARY_DIR}/res/version.h @ONLY)

add_compile_definitions(UNICODE _UNICODE NOMINMAX)
# A stand-alone executable: no mingw runtime DLLs beside it.
add_link_options(-static)
# The same sources give the same bytes, whenever and in whichever folders they are built: no
# build paths in the code, no link time in the headers. Release builds carry no symbols or
# debug information, and drop the library code they never call.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=
  -ffunction-sections -fdata-sections)
add_link_options(-Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s> -Wl,--gc-sections)

# The platform's headers are most of each Windows source's compile time: parsed once.
set(WINDOWS_PRECOMPILED_HEADERS <windows.h> <gdiplus.h> <commctrl.h>)
include(cmake/DelayLoad.cmake)
include(cmake/Libraries.cmake)

# The resources go into every executable that creates the program's windows.
set(PRODUCT_RESOURCES ${CMAKE_SOURCE_DIR}/res/stillview.rc)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_BINARY_DIR}/res")
set_source_files_properties(${PRODUCT_RESOURCES} verify/still_verify.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_BINARY_DIR}/res/stillview.manifest;${CMAKE_BINARY_DIR}/res/version.h")
# The resource compiler names no dependencies of its own: a redrawn face or cursor must still
# rebuild the resources.
file(GLOB PRODUCT_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
  ${CMAKE_SOURCE_DIR}/res/*.ico ${CMAKE_SOURCE_DIR}/res/bitmaps/*.bmp
  ${CMAKE_SOURCE_DIR}/res/cursors/*.cur)
set_property(SOURCE ${PRODUCT_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS ${PRODUCT_ART})

add_executable(StillView WIN32 framework/afx_winmain.cpp app/the_app.cpp app/terminate_handler.cpp
  ${PRODUCT_RESOURCES})
# The program alone loads the DLLs of cmake/DelayLoad.cmake lazily; tests load them up front,
# so one-time allocations of the libraries never fall inside what a test measures.
set_target_properties(StillView PROPERTIES STILLVIEW_DELAY_LOAD ON)
add_dependencies(StillView delay_load_libraries)
target_link_libraries(StillView PRIVATE stillview_viewer)

# The verifier: a console program that repeats a saved still through the same export code.
add_executable(StillVerify verify/still_verify_main.cpp verify/still_verify.rc)
target_compile_options(StillVerify PRIVATE -municode)
target_link_options(StillVerify PRIVATE -municode)
target_link_libraries(StillVerify PRIVATE stillview_verify)

option(STILLVIEW_WINE_TESTS "Build the tests that run under Wine" ON)
if(STILLVIEW_WINE_TESTS)
  include(cmake/WineTests.cmake)
endif()
