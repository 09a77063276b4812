# The fuzz build (host clang with libFuzzer, AddressSanitizer and UBSan): one
# target per pure function that takes bytes from outside.

# clang has no GBK execution charset: literals stay UTF-8 here, which changes
# no property that the targets check (they fuzz byte functions, not texts).
set(TAMSU_CHARSET_FLAGS "")
set(TAMSU_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)

add_library(tamsu_core_fuzz STATIC ${TAMSU_CORE_SOURCES})
target_include_directories(tamsu_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tamsu_core_fuzz PRIVATE ${TAMSU_CHARSET_FLAGS} -fsanitize=fuzzer-no-link,address,undefined -g -O1)

# tamsu_fuzz_target(name): tests/fuzz/<name>_fuzz.cpp, seeds in tests/fuzz/corpus/<name>.
function(tamsu_fuzz_target name)
  add_executable(fuzz_${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}_fuzz.cpp)
  target_compile_options(fuzz_${name} PRIVATE ${TAMSU_CHARSET_FLAGS} ${TAMSU_FUZZ_FLAGS})
  target_link_options(fuzz_${name} PRIVATE ${TAMSU_FUZZ_FLAGS})
  target_link_libraries(fuzz_${name} PRIVATE tamsu_core_fuzz)
endfunction()

include(tests/fuzz/targets.cmake)
