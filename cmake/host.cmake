# The host build: the pure core and its unit tests under AddressSanitizer and
# UBSan, the Windows build as an external project, and every test registered
# with this CTest.

include(ExternalProject)

set(TAMSU_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(tamsu_core STATIC ${TAMSU_CORE_SOURCES})
target_include_directories(tamsu_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tamsu_core PRIVATE ${TAMSU_CHARSET_FLAGS} ${TAMSU_SANITIZERS} -Wall -Wextra)
target_link_options(tamsu_core PUBLIC ${TAMSU_SANITIZERS})

set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# libjpeg: Debian's libjpeg-turbo source package cross-built once into the build folder.
set(TAMSU_JPEG_DIR ${CMAKE_BINARY_DIR}/third_party/libjpeg)
add_custom_command(
  OUTPUT ${TAMSU_JPEG_DIR}/lib/libjpeg.a
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg.sh ${CMAKE_BINARY_DIR}/third_party
  COMMENT "Cross-building libjpeg from Debian's libjpeg-turbo source package"
  VERBATIM)
add_custom_target(libjpeg DEPENDS ${TAMSU_JPEG_DIR}/lib/libjpeg.a)

set(TAMSU_WIN_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
ExternalProject_Add(windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${TAMSU_WIN_BINARY_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DTAMSU_JPEG_DIR=${TAMSU_JPEG_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS libjpeg
  USES_TERMINAL_BUILD ON)

# The fuzz targets, built with clang and libFuzzer; a short bounded run of each is a test.
set(TAMSU_FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${TAMSU_FUZZ_BINARY_DIR}
  CMAKE_ARGS -DTAMSU_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
function(tamsu_fuzz_target name)
  set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  set(work ${TAMSU_FUZZ_BINARY_DIR}/corpus/${name})
  add_test(NAME fuzz.${name}
    COMMAND ${CMAKE_COMMAND} -E env ${CMAKE_SOURCE_DIR}/scripts/run-fuzz.sh
            ${TAMSU_FUZZ_BINARY_DIR}/fuzz_${name} ${work} ${seeds} ${TAMSU_FUZZ_SECONDS})
endfunction()
set(TAMSU_FUZZ_SECONDS 8 CACHE STRING "Seconds each fuzz target runs in the test suite")
include(tests/fuzz/targets.cmake)

set(TAMSU_EXE ${TAMSU_WIN_BINARY_DIR}/TamsuNotepad.exe)
set(TAMSU_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(TAMSU_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)

# One Wine prefix and one virtual display for the whole test run.
add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh start ${TAMSU_WINE_DIR})
add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh stop ${TAMSU_WINE_DIR})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

set(TAMSU_CORE_TEST_FILES "")
function(tamsu_core_test)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY TAMSU_CORE_TEST_FILES ${CMAKE_SOURCE_DIR}/tests/${f})
  endforeach()
endfunction()

function(tamsu_win_test name)
  add_test(NAME win.${name} COMMAND ${TAMSU_WINE_RUN} ${TAMSU_WINE_DIR} ${TAMSU_WIN_BINARY_DIR}/${name}.exe)
  set_tests_properties(win.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600)
endfunction()

# tamsu_e2e_test(name script): drives the real exe under Wine as a user would.
function(tamsu_e2e_test name script)
  add_test(NAME e2e.${name} COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/${script})
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600
    ENVIRONMENT "TAMSU_EXE=${TAMSU_EXE};TAMSU_WINE_DIR=${TAMSU_WINE_DIR};TAMSU_SOURCE_DIR=${CMAKE_SOURCE_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")
endfunction()

foreach(sub app ui document editing tools status)
  include(tests/${sub}/tests.cmake OPTIONAL)
endforeach()

get_property(core_test_files GLOBAL PROPERTY TAMSU_CORE_TEST_FILES)
if(core_test_files)
  add_executable(core_tests ${core_test_files})
  target_compile_options(core_tests PRIVATE ${TAMSU_CHARSET_FLAGS} ${TAMSU_SANITIZERS})
  target_link_libraries(core_tests PRIVATE tamsu_core gtest_main)
  add_test(NAME core.unit_tests COMMAND core_tests)
endif()
