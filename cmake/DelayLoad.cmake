# Libraries that only Save and Print call are loaded at their first call, not before the picture
# is up: comdlg32 brings the shell library and the spooler with it, and bcrypt starts its crypto
# backend. The common controls, which bring the display driver with them, are loaded at start-up's
# explicit call, once the picture's decode is running beside it, rather than before the program's
# first line. Import libraries that load lazily are made from the functions the program calls
# (32-bit names carry their stdcall argument size).
set(DELAY_LOAD_comdlg32 PrintDlgW@4)
set(DELAY_LOAD_bcrypt BCryptOpenAlgorithmProvider@16 BCryptCreateHash@28 BCryptHashData@16
  BCryptFinishHash@16 BCryptDestroyHash@4 BCryptCloseAlgorithmProvider@8)
set(DELAY_LOAD_comctl32 InitCommonControls@0)
set(DELAY_LOAD_version GetFileVersionInfoSizeW@8 GetFileVersionInfoW@16 VerQueryValueW@16)

set(DELAY_LOADED_LIBRARIES)
# A function's slot first points at its stub, which loads the library. Nothing but that slot
# refers to a 32-bit stub, and the linker's section collection does not follow it: without a
# root of its own the stub is dropped, and the slot jumps to address 0 at the first call.
set(DELAY_LOAD_STUB_ROOTS)
foreach(dll comdlg32 bcrypt version comctl32)
  set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(symbol ${DELAY_LOAD_${dll}})
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
      string(REGEX REPLACE "@[0-9]+$" "" symbol ${symbol})
      list(APPEND DELAY_LOAD_STUB_ROOTS -Wl,--undefined=${symbol})
    else()
      list(APPEND DELAY_LOAD_STUB_ROOTS -Wl,--undefined=_${symbol})
    endif()
    string(APPEND def "${symbol}\n")
  endforeach()
  set(def_file ${CMAKE_BINARY_DIR}/delayload/${dll}.def)
  set(lib_file ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delayed.a)
  file(WRITE ${def_file}.in "${def}")
  configure_file(${def_file}.in ${def_file} COPYONLY)
  add_custom_command(OUTPUT ${lib_file}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def_file} --dllname ${dll}.dll
      --output-delaylib ${lib_file}
    DEPENDS ${def_file} VERBATIM)
  list(APPEND DELAY_LOADED_LIBRARIES ${lib_file})
endforeach()
add_custom_target(delay_load_libraries DEPENDS ${DELAY_LOADED_LIBRARIES})
