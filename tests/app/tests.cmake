tamsu_win_test(app_tests app/startup_test.cpp)
tamsu_e2e_test(start_and_exit e2e/start_and_exit_test.py)
tamsu_e2e_test(exe_imports e2e/exe_imports_test.py)
