tamsu_core_test(document/text_transfer_test.cpp document/dialog_rules_test.cpp)
tamsu_win_test(document_tests document/file_io_test.cpp document/file_commands_test.cpp document/font_command_test.cpp)
tamsu_e2e_test(file_commands e2e/file_commands_test.py)
