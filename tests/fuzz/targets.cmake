# One line per fuzz target; each runs for a few seconds in the test suite.
tamsu_fuzz_target(cp936_offsets)
tamsu_fuzz_target(text_transfer)
tamsu_fuzz_target(case_conversion)
tamsu_fuzz_target(find_text)
tamsu_fuzz_target(filter_list)
tamsu_fuzz_target(cp936_places)
