# Printing
tamsu_core_test(document/print_layout_test.cpp)
