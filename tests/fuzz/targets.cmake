# One line per fuzz target; each runs for a few seconds in the test suite.
tamsu_fuzz_target(cp936_offsets)
tamsu_fuzz_target(cp936_places)
