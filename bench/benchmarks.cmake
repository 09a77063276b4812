# Benchmarks: Windows programs that print ratios against a baseline measured in
# the same run. Not tests; scripts/bench.sh runs them all under Wine.
# tamsu_benchmark(name sources...) with sources relative to bench/.
function(tamsu_benchmark name)
  set(sources ${ARGN})
  list(TRANSFORM sources PREPEND ${CMAKE_SOURCE_DIR}/bench/)
  add_executable(${name} ${sources} ${TAMSU_RESOURCES})
  target_link_libraries(${name} PRIVATE tamsu_win_test_support)
  target_compile_options(${name} PRIVATE ${TAMSU_COMPILE_OPTIONS})
  target_link_options(${name} PRIVATE ${TAMSU_LINK_OPTIONS} -mconsole)
  set_property(GLOBAL APPEND PROPERTY TAMSU_BENCHMARKS ${name})
endfunction()

# Add benchmarks below, one line each.
tamsu_benchmark(bench_keystroke keystroke.cpp)
tamsu_benchmark(bench_find find.cpp)
tamsu_benchmark(bench_text_write text_write.cpp)
tamsu_benchmark(bench_open open_bench.cpp)
