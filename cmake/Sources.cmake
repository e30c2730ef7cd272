include(cmake/Controls.cmake)

# Code that includes no Windows header: built natively for unit tests and into the product.
set(PORTABLE_SOURCES
  framework/afx_command_line.cpp
  framework/afx_object.cpp
  framework/afx_oblist.cpp
  app/picture_path.cpp
  imaging/image_header.cpp
  viewer/layout_scaling.cpp
  viewer/mouse_mapping.cpp
  viewer/navigator_bounds.cpp
  viewer/scroll_bar_setup.cpp
  viewer/scroll_position.cpp
  viewer/view_adjustments.cpp
  viewer/view_geometry.cpp
  export/page_rect.cpp
  ${CONTROLS_PORTABLE_SOURCES}
)

# The framework layer over Win32.
set(FRAMEWORK_SOURCES
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
)

# The program itself, less its entry point.
set(PRODUCT_SOURCES
  imaging/file_byte_source.cpp
  imaging/gdiplus_drawing.cpp
  imaging/gdiplus_image.cpp
  imaging/gdiplus_session.cpp
  app/viewer_app.cpp
  app/about_dlg.cpp
  viewer/navigator_tracker.cpp
  viewer/viewer_commands.cpp
  viewer/viewer_dlg.cpp
  viewer/viewer_mouse.cpp
  viewer/viewer_paint.cpp
  viewer/viewer_view.cpp
  export/print_picture.cpp
  ${CONTROLS_SOURCES}
)
