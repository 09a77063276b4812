# Edit commands, search, scroll-bar rule.
list(APPEND TAMSU_CORE_SOURCES
  editing/scroll_bar_decision.cpp
  editing/text_functions.cpp)
list(APPEND TAMSU_WIN_SOURCES
  editing/edit_commands.cpp
  editing/input_dialog.cpp
  editing/scroll_bar_rule.cpp)
