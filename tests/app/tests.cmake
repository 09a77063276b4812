tamsu_e2e_test(start_and_exit e2e/start_and_exit_test.py)
