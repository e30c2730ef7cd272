# The benchmark (tools/benchmark.sh): the floor program, the driver that times the viewer
# against it, and a quick run of it among the tests so it keeps working. x86_64 only.
add_executable(bench_floor WIN32 tools/bench/floor_viewer.cpp)
target_link_libraries(bench_floor PRIVATE gdiplus)

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
target_link_libraries(stillview_bench PRIVATE stillview_core psapi)

add_wine_test(NAME bench.quick SCREEN 1920x1080 HOST_SCRIPT
  COMMAND ${CMAKE_SOURCE_DIR}/tools/bench/quick-check.sh ${CMAKE_BINARY_DIR} LABEL bench)
