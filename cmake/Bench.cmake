# The benchmark (tools/benchmark.sh): the two floor programs, the driver that times the viewer
# against them, and a quick run of it among the x86_64 tests so it keeps working. The 32-bit
# build's are for its open-to-first-paint rows.
add_executable(bench_floor WIN32 tools/bench/floor_viewer.cpp tools/bench/floor_parts.cpp)
target_link_libraries(bench_floor PRIVATE gdiplus)

# The viewer's template and manifest, and its common controls loaded as lazily as the viewer's.
add_executable(bench_dialog_floor WIN32 tools/bench/dialog_floor.cpp tools/bench/floor_parts.cpp
  ${PRODUCT_RESOURCES})
target_include_directories(bench_dialog_floor PRIVATE res)
set_target_properties(bench_dialog_floor PROPERTIES STILLVIEW_DELAY_LOAD ON)
add_dependencies(bench_dialog_floor delay_load_libraries)
target_link_libraries(bench_dialog_floor PRIVATE gdiplus stillview_lazy_dlls)

add_executable(stillview_bench
  app/the_app.cpp
  tools/bench/bench_pictures.cpp
  tools/bench/bench_table.cpp
  tools/bench/launch_probe.cpp
  tools/bench/stillview_bench.cpp
  tools/bench/viewer_rows.cpp
  tests/common/process_windows.cpp
  ${PRODUCT_RESOURCES})
target_include_directories(stillview_bench PRIVATE tests/common)
target_link_libraries(stillview_bench PRIVATE stillview_viewer stillview_verify psapi)

if(WINE_ARCH STREQUAL "win64")
  add_wine_test(NAME bench.quick SCREEN 1920x1080 HOST_SCRIPT
    COMMAND ${CMAKE_SOURCE_DIR}/tools/bench/quick-check.sh ${CMAKE_BINARY_DIR} LABEL bench)
endif()
