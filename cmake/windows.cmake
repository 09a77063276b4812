# The Windows build: the editor and its Win32 test programs.

set(TAMSU_JPEG_DIR "" CACHE PATH "Prefix of a static libjpeg build (include/, lib/libjpeg.a)")
if(NOT TAMSU_JPEG_DIR OR NOT EXISTS "${TAMSU_JPEG_DIR}/lib/libjpeg.a")
  message(FATAL_ERROR "TAMSU_JPEG_DIR must name a static libjpeg build (scripts/build-libjpeg.sh makes one)")
endif()
add_library(jpeg STATIC IMPORTED)
set_target_properties(jpeg PROPERTIES
  IMPORTED_LOCATION "${TAMSU_JPEG_DIR}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${TAMSU_JPEG_DIR}/include")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(TAMSU_COMPILE_OPTIONS ${TAMSU_CHARSET_FLAGS} -Wall -Wextra)

add_library(tamsu_core STATIC ${TAMSU_CORE_SOURCES})
target_include_directories(tamsu_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tamsu_core PRIVATE ${TAMSU_COMPILE_OPTIONS})

# The libraries only a command needs (the file, font and print dialogs, the
# print job, the shell) are loaded when first called rather than at start-up,
# where each costs Wine several milliseconds. GNU toolchains make such
# delay-import libraries with dlltool.
set(TAMSU_DELAY_LOADED comdlg32=comdlg32.dll winspool=winspool.drv shell32=shell32.dll)
set(TAMSU_DELAY_LIBS "")
foreach(entry ${TAMSU_DELAY_LOADED})
  string(REPLACE "=" ";" entry ${entry})
  list(GET entry 0 lib)
  list(GET entry 1 dll)
  find_library(TAMSU_IMPORT_LIB_${lib} NAMES lib${lib}.a ${lib})
  if(CMAKE_DLLTOOL AND CMAKE_NM AND TAMSU_IMPORT_LIB_${lib})
    set(out ${CMAKE_BINARY_DIR}/delay/lib${lib}_delay.a)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL} -DIMPORT_LIB=${TAMSU_IMPORT_LIB_${lib}}
              -DDLL=${dll} -DOUTPUT=${out} -P ${CMAKE_SOURCE_DIR}/cmake/delay_import.cmake
      DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delay_import.cmake
      COMMENT "Delay-import library for ${dll}")
    list(APPEND TAMSU_DELAY_LIBS ${out})
  else()
    list(APPEND TAMSU_DELAY_LIBS ${lib})  # no dlltool: an ordinary import
  endif()
endforeach()
add_custom_target(tamsu_delay_libs DEPENDS ${TAMSU_DELAY_LIBS})

add_library(tamsu_win STATIC ${TAMSU_WIN_SOURCES})
target_compile_options(tamsu_win PRIVATE ${TAMSU_COMPILE_OPTIONS})
add_dependencies(tamsu_win tamsu_delay_libs)
target_link_libraries(tamsu_win PUBLIC tamsu_core jpeg ${TAMSU_DELAY_LIBS}
  comctl32 ole32 oleaut32 uuid shlwapi advapi32 ws2_32 rasapi32 gdi32 user32 kernel32
  windowscodecs)

set(TAMSU_RESOURCES ${CMAKE_SOURCE_DIR}/resources/tamsu.rc)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/resources")
set(TAMSU_LINK_OPTIONS -static -static-libgcc -static-libstdc++)

add_executable(TamsuNotepad WIN32 src/app/main.cpp ${TAMSU_RESOURCES})
target_compile_options(TamsuNotepad PRIVATE ${TAMSU_COMPILE_OPTIONS})
target_link_libraries(TamsuNotepad PRIVATE tamsu_win)
target_link_options(TamsuNotepad PRIVATE ${TAMSU_LINK_OPTIONS} -municode -mwindows)

# GoogleTest for the Win32 test programs, from Debian's googletest sources.
set(TAMSU_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TAMSU_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)

add_library(tamsu_win_test_support STATIC
  tests/support/win_test_main.cpp
  tests/support/scripted_services.cpp
  tests/support/test_window.cpp)
target_include_directories(tamsu_win_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tamsu_win_test_support PUBLIC tamsu_win gtest version)
target_compile_options(tamsu_win_test_support PRIVATE ${TAMSU_COMPILE_OPTIONS})

# tamsu_win_test(name sources...): one Win32 test program per subsystem.
function(tamsu_win_test name)
  set(sources ${ARGN})
  list(TRANSFORM sources PREPEND ${CMAKE_SOURCE_DIR}/tests/)
  add_executable(${name} ${sources} ${TAMSU_RESOURCES})
  target_link_libraries(${name} PRIVATE tamsu_win_test_support)
  target_compile_options(${name} PRIVATE ${TAMSU_COMPILE_OPTIONS})
  target_link_options(${name} PRIVATE ${TAMSU_LINK_OPTIONS} -mconsole)
endfunction()
function(tamsu_e2e_test)
endfunction()
function(tamsu_core_test)
endfunction()

foreach(sub app ui document editing tools status)
  include(tests/${sub}/tests.cmake OPTIONAL)
endforeach()
include(bench/benchmarks.cmake)

# probe.exe: lets end-to-end tests read the editor's windows from outside.
add_executable(probe tests/support/probe.cpp)
target_compile_definitions(probe PRIVATE UNICODE _UNICODE)
target_link_options(probe PRIVATE ${TAMSU_LINK_OPTIONS} -mconsole)
target_link_libraries(probe PRIVATE psapi)
