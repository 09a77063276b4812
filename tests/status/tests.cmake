tamsu_core_test(status/status_text_test.cpp)
