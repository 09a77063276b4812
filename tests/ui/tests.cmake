tamsu_core_test(ui/cp936_offsets_test.cpp ui/window_layout_test.cpp ui/menu_tree_test.cpp)
tamsu_win_test(ui_tests ui/control_model_test.cpp ui/pictures_test.cpp ui/menus_test.cpp ui/window_behaviour_test.cpp)
tamsu_e2e_test(window_look e2e/window_look_test.py)
tamsu_e2e_test(popup_menus e2e/popup_menus_test.py)
