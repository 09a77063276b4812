# Shell operations and the Functions menu.
list(APPEND TAMSU_CORE_SOURCES
  tools/shell_texts.cpp)
list(APPEND TAMSU_WIN_SOURCES
  tools/functions_menu.cpp
  tools/shell_operations.cpp)
