# The program's libraries, one a folder. Each shows its own folder's headers to what links it and
# to nothing else, so a header can only be reached through a declared link. A native build has
# only the files that include no Windows header; a Windows build has all of them.

# stillview_library(<name> FOLDER <dir>... [PORTABLE <file>...] [WINDOWS <file>...]
#                   [USES <library>...] [SYSTEM <library>...])
# USES are the program's own libraries; SYSTEM the Windows libraries, linked only when WIN32.
function(stillview_library name)
  cmake_parse_arguments(L "" "" "FOLDER;PORTABLE;WINDOWS;USES;SYSTEM" ${ARGN})
  set(sources ${L_PORTABLE})
  if(WIN32)
    list(APPEND sources ${L_WINDOWS})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${L_FOLDER})
  target_link_libraries(${name} PUBLIC ${L_USES})
  if(WIN32)
    target_link_libraries(${name} PUBLIC ${L_SYSTEM})
    if(L_WINDOWS)
      # The platform's headers are most of each Windows source's compile time: parsed once, in
      # the framework. The platform-free sources stay without them.
      if(name STREQUAL stillview_framework)
        target_precompile_headers(${name} PRIVATE ${WINDOWS_PRECOMPILED_HEADERS})
      else()
        target_precompile_headers(${name} REUSE_FROM stillview_framework)
      endif()
      set_source_files_properties(${L_PORTABLE} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endif()
endfunction()

if(WIN32)
  # The DLLs that cmake/DelayLoad.cmake makes lazily loading import libraries for. An executable
  # with the property STILLVIEW_DELAY_LOAD gets those libraries ahead of the DLLs' own, placed
  # after every library that calls them so that the calls reach them, and keeps their stubs.
  add_library(stillview_lazy_dlls INTERFACE)
  set(delay_load "$<BOOL:$<TARGET_PROPERTY:STILLVIEW_DELAY_LOAD>>")
  foreach(library ${DELAY_LOADED_LIBRARIES})
    target_link_libraries(stillview_lazy_dlls INTERFACE "$<${delay_load}:${library}>")
  endforeach()
  target_link_options(stillview_lazy_dlls INTERFACE "$<${delay_load}:${DELAY_LOAD_STUB_ROOTS}>")
  target_link_libraries(stillview_lazy_dlls INTERFACE comdlg32 bcrypt version comctl32)
endif()

# The resource identifiers, and on Windows the version header made from VERSION.
add_library(stillview_resources INTERFACE)
target_include_directories(stillview_resources INTERFACE res)
if(WIN32)
  target_include_directories(stillview_resources INTERFACE ${CMAKE_BINARY_DIR}/res)
endif()

# The framework layer over Win32, with the class library's names.
stillview_library(stillview_framework FOLDER framework
  PORTABLE
    framework/afx_command_line.cpp
    framework/afx_object.cpp
    framework/afx_oblist.cpp
  WINDOWS
    framework/afx_app.cpp
    framework/afx_bitmap_button.cpp
    framework/afx_cmdtarget.cpp
    framework/afx_controls.cpp
    framework/afx_dc.cpp
    framework/afx_dialog.cpp
    framework/afx_exception.cpp
    framework/afx_file.cpp
    framework/afx_gdi.cpp
    framework/afx_print_dialog.cpp
    framework/afx_string.cpp
    framework/afx_string_array.cpp
    framework/afx_tooltip.cpp
    framework/afx_tracker.cpp
    framework/afx_wnd.cpp
  SYSTEM stillview_lazy_dlls winspool gdi32 user32)

# The owner-drawn controls.
stillview_library(stillview_controls FOLDER controls
  PORTABLE ${CONTROLS_PORTABLE_SOURCES}
  WINDOWS ${CONTROLS_SOURCES}
  USES stillview_framework)

# Pictures: their headers judged before a decode, decoding and drawing through GDI+.
stillview_library(stillview_imaging FOLDER imaging
  PORTABLE
    imaging/embedded_thumbnail.cpp
    imaging/image_header.cpp
  WINDOWS
    imaging/file_byte_source.cpp
    imaging/gdiplus_drawing.cpp
    imaging/gdiplus_image.cpp
    imaging/gdiplus_session.cpp
    imaging/picture_bytes.cpp
    imaging/picture_load.cpp
    imaging/sha256.cpp
    imaging/reader_thread.cpp
    imaging/thread_release.cpp
  SYSTEM gdiplus ole32 stillview_lazy_dlls)

# The still: everything that makes or reads a saved still's bytes.
stillview_library(stillview_still FOLDER still
  PORTABLE
    still/encoded_tables.cpp
    still/exif_segment.cpp
    still/imaging_library.cpp
    still/jpeg_comment.cpp
    still/jpeg_segment_writer.cpp
    still/jpeg_segments.cpp
    still/own_bytes.cpp
    still/provenance.cpp
    still/quality_levels.cpp
    still/record_reading.cpp
    still/record_segments.cpp
    still/record_summary.cpp
    still/utf16_text.cpp
    still/view_steps.cpp
    still/xmp_segment.cpp
  WINDOWS
    still/jpeg_encoder.cpp
    still/program_version.cpp
    still/source_digest.cpp
    still/still_export.cpp
    still/utf8_text.cpp
  USES stillview_imaging
  SYSTEM stillview_lazy_dlls)

# Saving: the Save-As dialog and its rules, the drives, the staged write, the outcome.
stillview_library(stillview_save FOLDER save
  PORTABLE
    save/command_file_rules.cpp
    save/drive_rules.cpp
    save/file_name_rules.cpp
    save/save_outcome.cpp
  WINDOWS
    save/drive_list.cpp
    save/save_as_jpeg_dlg.cpp
    save/staged_file.cpp
  USES stillview_controls stillview_resources)

# Printing: the page, the record printed on it, and the calls that put both on paper.
stillview_library(stillview_print FOLDER print
  PORTABLE
    print/page_rect.cpp
    print/print_outcome.cpp
    print/printed_record.cpp
  WINDOWS
    print/print_calls.cpp
    print/printed_record_text.cpp
    print/window_print.cpp
  USES stillview_still stillview_framework stillview_resources)

# The verifier's check of a saved still, by rebuilding it from its record and its source.
stillview_library(stillview_verify FOLDER verify
  PORTABLE
    verify/exif_fields.cpp
    verify/line_changes.cpp
    verify/platform_findings.cpp
    verify/producible_values.cpp
    verify/recorded_source.cpp
    verify/shown_text.cpp
    verify/still_comparison.cpp
    verify/verification.cpp
  WINDOWS
    verify/platform_check.cpp
    verify/scratch_file.cpp
    verify/still_check.cpp
  USES stillview_still stillview_imaging)

# The viewer window and the application object that runs it.
stillview_library(stillview_viewer FOLDER viewer app
  PORTABLE
    app/picture_path.cpp
    viewer/key_map.cpp
    viewer/face_scale.cpp
    viewer/layout_scaling.cpp
    viewer/mouse_mapping.cpp
    viewer/navigator_bounds.cpp
    viewer/scroll_bar_setup.cpp
    viewer/scroll_position.cpp
    viewer/view_adjustments.cpp
    viewer/view_geometry.cpp
  WINDOWS
    app/about_dlg.cpp
    app/viewer_app.cpp
    viewer/answering_wait.cpp
    viewer/navigator_thumbnail.cpp
    viewer/navigator_tracker.cpp
    viewer/viewer_commands.cpp
    viewer/viewer_dlg.cpp
    viewer/viewer_keys.cpp
    viewer/viewer_mouse.cpp
    viewer/viewer_paint.cpp
    viewer/viewer_print.cpp
    viewer/viewer_record.cpp
    viewer/viewer_save.cpp
    viewer/viewer_view.cpp
  USES stillview_save stillview_print stillview_still stillview_imaging stillview_controls
    stillview_framework stillview_resources)
