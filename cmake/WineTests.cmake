# Tests that run Windows code under Wine: in-process window tests and end-to-end runs of the
# real executable. Each runs in its own Wine session (tests/harness/wine-session.sh), under the
# Wine of this build's kind (tests/harness/wine-loader.sh).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(WINE_ARCH win64)
else()
  set(WINE_ARCH win32)
endif()

set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
set(HARNESS_DIR ${CMAKE_SOURCE_DIR}/tests/harness)

add_test(NAME wine_prefix COMMAND ${HARNESS_DIR}/wine-prefix.sh ${WINE_PREFIX_DIR})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS "wine;e2e" TIMEOUT 300
  ENVIRONMENT STILLVIEW_WINE_ARCH=${WINE_ARCH})
# Sessions at other screen scales change the prefix's LogPixels, so they have a prefix of their
# own; only the x86_64 tree has such sessions.
set(WINE_DPI_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix-dpi)
if(WINE_ARCH STREQUAL "win64")
  add_test(NAME wine_prefix_dpi COMMAND ${HARNESS_DIR}/wine-prefix.sh ${WINE_DPI_PREFIX_DIR})
  set_tests_properties(wine_prefix_dpi PROPERTIES FIXTURES_SETUP wine_dpi LABELS wine TIMEOUT 300
    ENVIRONMENT STILLVIEW_WINE_ARCH=${WINE_ARCH})
endif()

# Tests that print share the one PDF queue, and the folder its printouts land in, with the other
# build tree's tests running at the same time; some turn the queue away or clear the folder. They
# take the printer in turn.
set(PRINTER_LOCK flock -w 1800 /tmp/stillview-printer.lock)

# add_wine_test(NAME <name> COMMAND <exe> <args…> [SCREEN WxH] [LANG <locale>] [DPI <n>]
#               [LABEL <label>])
# With HOST_SCRIPT the command is a host script that starts Windows programs itself; with PRINTS
# the test takes the printer first. With DPI the session runs at that screen scale, in the
# prefix kept for such sessions, beside the sessions of the other prefix.
function(add_wine_test)
  cmake_parse_arguments(T "HOST_SCRIPT;PRINTS" "NAME;SCREEN;LANG;DPI;LABEL" "COMMAND" ${ARGN})
  set(session_args)
  set(prefix ${WINE_PREFIX_DIR})
  set(fixture wine)
  set(session wine_session)
  if(T_DPI)
    list(APPEND session_args --dpi ${T_DPI})
    set(prefix ${WINE_DPI_PREFIX_DIR})
    set(fixture wine_dpi)
    set(session wine_dpi_session)
  endif()
  if(T_SCREEN)
    list(APPEND session_args --screen ${T_SCREEN})
  endif()
  if(T_LANG)
    list(APPEND session_args --lang ${T_LANG})
  endif()
  set(runner ${HARNESS_DIR}/wine-exe.sh)
  if(T_HOST_SCRIPT)
    set(runner)
  endif()
  set(printer)
  set(timeout 300)
  if(T_PRINTS)
    set(printer ${PRINTER_LOCK})
    set(timeout 600)
  endif()
  add_test(NAME ${T_NAME}
    COMMAND ${printer} ${HARNESS_DIR}/wine-session.sh ${session_args} -- ${runner} ${T_COMMAND})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS ${T_LABEL}
    FIXTURES_REQUIRED ${fixture}
    RESOURCE_LOCK ${session}
    TIMEOUT ${timeout}
    ENVIRONMENT "STILLVIEW_WINE_ARCH=${WINE_ARCH};STILLVIEW_WINEPREFIX=${prefix};STILLVIEW_SOURCE_DIR=${CMAKE_SOURCE_DIR};STILLVIEW_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# In-process tests: the program's windows created and driven message by message.
add_executable(wine_tests
  app/the_app.cpp
  tests/wine/wine_test_main.cpp
  tests/wine/wine_test_support.cpp
  tests/wine/framework_dialog_test.cpp
  tests/wine/framework_support_test.cpp
  tests/wine/framework_window_test.cpp
  tests/wine/jpeg_export_test.cpp
  tests/wine/modal_script.cpp
  tests/wine/navigator_tracker_test.cpp
  tests/wine/save_as_dialog_test.cpp
  tests/wine/shown_texts.cpp
  tests/wine/still_verify_test.cpp
  tests/wine/texts_fit_test.cpp
  tests/wine/viewer_scale_test.cpp
  tests/wine/translated_glyphs_test.cpp
  tests/wine/viewer_init_test.cpp
  tests/wine/viewer_keys_test.cpp
  tests/wine/viewer_mouse_test.cpp
  tests/wine/viewer_random_test.cpp
  tests/wine/viewer_view_test.cpp
  tests/wine/viewer_window.cpp
  tests/wine/printed_picture.cpp
  tests/wine/printer_defaults.cpp
  tests/wine/printout.cpp
  tests/wine/viewer_print_test.cpp
  tests/e2e/image_magick.cpp
  tests/common/test_files.cpp
  ${CONTROLS_WINE_TESTS}
  ${PRODUCT_RESOURCES})
target_include_directories(wine_tests PRIVATE tests/e2e tests/common)
target_link_libraries(wine_tests PRIVATE stillview_viewer stillview_verify gtest)
target_precompile_headers(wine_tests PRIVATE ${WINDOWS_PRECOMPILED_HEADERS})
# The verifier's tests run it as a program of its own.
add_dependencies(wine_tests StillVerify)

# End-to-end: a Windows test program starts the real StillView.exe and drives it from outside.
add_executable(e2e_tests tests/e2e/viewer_process.cpp tests/e2e/viewer_run_test.cpp
  tests/e2e/image_magick.cpp tests/e2e/save_to_drives_test.cpp tests/e2e/bad_command_line_test.cpp
  tests/e2e/slow_source_test.cpp tests/e2e/save_as_window.cpp tests/e2e/keyboard_run_test.cpp
  tests/e2e/packaged_viewer_test.cpp
  tests/common/process_windows.cpp tests/common/test_files.cpp)
target_include_directories(e2e_tests PRIVATE tests/common)
target_link_libraries(e2e_tests PRIVATE gtest_main)
target_precompile_headers(e2e_tests PRIVATE ${WINDOWS_PRECOMPILED_HEADERS})

include(cmake/Bench.cmake)
if(WINE_ARCH STREQUAL "win32")
  include(cmake/WineTests32.cmake)
  return()
endif()

foreach(suite Framework Controls Tracker ViewerLayout ViewerPicture ViewerState ViewerTips
    ViewerTeardown ViewerView GreyPicture ViewerMouse ViewerKeys SaveAsDialog JpegExport JpegEncoder
    TemporaryName StillVerify)
  add_wine_test(NAME wine.${suite} COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=*${suite}*.* LABEL wine)
endforeach()
# The tests that pin the exact bytes or the differences of Wine's GDI+; a run on Windows leaves
# them out with -LE wine-bytes.
add_wine_test(NAME wine.WineBytes COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=WineBytes.*
  LABEL wine)
add_wine_test(NAME wine.WineBytes.144dpi SCREEN 1536x1152 DPI 144 LABEL wine
  COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=WineBytes.ExportedImageData*)
set_tests_properties(wine.WineBytes wine.WineBytes.144dpi PROPERTIES LABELS "wine;wine-bytes")
# Saves among the random actions fill a small disk.
add_wine_test(NAME wine.ViewerRandomUse HOST_SCRIPT PRINTS LABEL wine
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/with-small-disk.sh 160k $<TARGET_FILE:wine_tests>
  --gtest_filter=ViewerRandomUse.*)
add_wine_test(NAME wine.ViewerLayout.1600x1200 SCREEN 1600x1200
  COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=ViewerLayout.* LABEL wine)
# Prints to the harness's PDF queue and reads the printout back.
add_wine_test(NAME wine.ViewerPrint PRINTS COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=ViewerPrint.*
  LABEL wine)
# The same on a printer of 600 dpi across and 300 down, a queue of its own.
add_wine_test(NAME wine.UnequalPrinter HOST_SCRIPT PRINTS LABEL wine
  COMMAND ${HARNESS_DIR}/cups-unequal-queue.sh $<TARGET_FILE:wine_tests>
  --gtest_filter=UnequalPrinter.*)
foreach(lang ja_JP.UTF-8 zh_TW.UTF-8)
  add_wine_test(NAME wine.ViewerTips.${lang} LANG ${lang}
    COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=ViewerTips.* LABEL wine)
  add_wine_test(NAME wine.TranslatedGlyphs.${lang} LANG ${lang}
    COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=TranslatedGlyphs.* LABEL wine)
endforeach()

# The viewer at 150 percent, against the same viewer unaware of the scale.
add_wine_test(NAME wine.ViewerScale SCREEN 1536x1152 DPI 144
  COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=ViewerScale.* LABEL wine)
# Every text fits its control in each language at each common screen scale.
foreach(lang en_US.UTF-8 ja_JP.UTF-8 zh_TW.UTF-8)
  foreach(dpi 96 120 144 192)
    add_wine_test(NAME wine.TextsFit.${lang}.${dpi} LANG ${lang} DPI ${dpi}
      COMMAND $<TARGET_FILE:wine_tests> --gtest_filter=TextsFit.* LABEL wine)
  endforeach()
endforeach()

add_wine_test(NAME e2e.ViewerRun COMMAND $<TARGET_FILE:e2e_tests> --gtest_filter=ViewerRun.* LABEL e2e)
add_wine_test(NAME e2e.MalformedPictures COMMAND $<TARGET_FILE:e2e_tests> --gtest_filter=*MalformedPicture* LABEL e2e)
add_wine_test(NAME e2e.BadCommandLines COMMAND $<TARGET_FILE:e2e_tests> --gtest_filter=*BadCommandLine* LABEL e2e)
add_wine_test(NAME e2e.SaveToDrives HOST_SCRIPT
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/save-to-drives.sh $<TARGET_FILE:e2e_tests> LABEL e2e)
# A picture on a slow medium (FUSE), whose hash is still reading when the viewer closes.
add_wine_test(NAME e2e.SlowSource HOST_SCRIPT
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/slow-source.sh $<TARGET_FILE:e2e_tests> LABEL e2e)
# Keys typed through the display server; the saves go to the drives of the save test.
add_wine_test(NAME e2e.KeyboardRun HOST_SCRIPT
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/save-to-drives.sh $<TARGET_FILE:e2e_tests> KeyboardRun.* LABEL e2e)
set_tests_properties(e2e.ViewerRun e2e.MalformedPictures e2e.BadCommandLines e2e.SaveToDrives
  e2e.SlowSource e2e.KeyboardRun PROPERTIES
  ENVIRONMENT "STILLVIEW_WINEPREFIX=${WINE_PREFIX_DIR};STILLVIEW_SOURCE_DIR=${CMAKE_SOURCE_DIR};STILLVIEW_EXE=$<TARGET_FILE:StillView>")

include(cmake/Package.cmake)

# The harness itself: screen sizes, languages, drive types and labels, a full disk and a printed
# page, checked against a real Wine with a prefix of its own.
add_test(NAME harness.selftest
  COMMAND ${PRINTER_LOCK} bash ${HARNESS_DIR}/probe/selftest.sh ${CMAKE_BINARY_DIR}/harness-selftest)
# Serial with the other Wine tests in one ctest run; tools/run-tests.sh runs it in a ctest of
# its own beside them, as it uses a prefix and displays of its own.
set_tests_properties(harness.selftest PROPERTIES LABELS harness TIMEOUT 900
  RESOURCE_LOCK wine_session)
