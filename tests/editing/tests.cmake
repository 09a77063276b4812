tamsu_core_test(editing/text_functions_test.cpp)
tamsu_win_test(editing_tests editing/edit_commands_test.cpp editing/scroll_bar_rule_test.cpp
  editing/input_dialog_test.cpp)
tamsu_e2e_test(edit_commands e2e/edit_commands_test.py)
