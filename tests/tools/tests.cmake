tamsu_core_test(tools/shell_texts_test.cpp)
