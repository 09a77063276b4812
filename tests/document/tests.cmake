tamsu_core_test(document/text_transfer_test.cpp document/dialog_rules_test.cpp document/long_path_test.cpp)
tamsu_win_test(document_tests document/file_io_test.cpp document/file_commands_test.cpp document/font_command_test.cpp)
tamsu_e2e_test(file_commands e2e/file_commands_test.py)
tamsu_e2e_test(file_faults e2e/file_faults_test.py)

# Printing
tamsu_core_test(document/print_layout_test.cpp)
tamsu_win_test(print_tests document/print_test.cpp document/test_printer.cpp)
tamsu_e2e_test(print e2e/print_test.py)
if(WIN32)
  # test_printer.exe NAME PORT: the end-to-end tests' printer.
  add_executable(test_printer tests/document/test_printer_main.cpp tests/document/test_printer.cpp)
  target_include_directories(test_printer PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(test_printer PRIVATE ${TAMSU_COMPILE_OPTIONS})
  target_link_libraries(test_printer PRIVATE winspool)
  target_link_options(test_printer PRIVATE ${TAMSU_LINK_OPTIONS} -municode -mconsole)
else()
  # Each printing test makes its own printer the default one.
  set_tests_properties(win.print_tests e2e.print PROPERTIES RESOURCE_LOCK wine_default_printer)
endif()
