# Fails when a file of a folder below the viewer includes a header of viewer/ or app/: those rooms
# hand results back through their own interfaces, never by reaching up into the window or the
# application object. Run with cmake -DSOURCE_DIR=<repository root> -P upward_includes.cmake.
set(below framework controls imaging still save print verify)
set(above viewer app)

set(upper_headers)
foreach(folder ${above})
  file(GLOB headers RELATIVE ${SOURCE_DIR}/${folder} ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND upper_headers ${headers})
endforeach()

set(found)
foreach(folder ${below})
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
      get_filename_component(name ${included} NAME)
      get_filename_component(dir ${included} DIRECTORY)
      list(FIND upper_headers ${name} index)
      # A bare name or a path through an upper folder: either way the header above is reached.
      if(NOT index EQUAL -1 AND (dir STREQUAL "" OR dir MATCHES "(^|/)(viewer|app)$"))
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        list(APPEND found "${shown} includes ${included}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(found)
  list(JOIN found "\n  " lines)
  message(FATAL_ERROR "headers of viewer/ or app/ included from below them:\n  ${lines}")
endif()
list(LENGTH upper_headers count)
message(STATUS "no file of ${below} includes any of the ${count} headers of ${above}")
