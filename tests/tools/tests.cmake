tamsu_core_test(tools/shell_texts_test.cpp)
tamsu_win_test(tools_tests tools/functions_menu_test.cpp tools/shell_operations_test.cpp)
tamsu_e2e_test(functions_menu e2e/functions_menu_test.py)
