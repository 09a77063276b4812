# Layout, control model, control kinds and their look, menus, title strip.
list(APPEND TAMSU_CORE_SOURCES
  ui/window_layout.cpp
  ui/cp936_offsets.cpp
  ui/menu_tree.cpp)
list(APPEND TAMSU_WIN_SOURCES
  ui/control.cpp
  ui/control_model.cpp
  ui/controls/buttons.cpp
  ui/controls/edit_box.cpp
  ui/controls/label.cpp
  ui/controls/link.cpp
  ui/controls/main_window.cpp
  ui/controls/objects.cpp
  ui/controls/timer_control.cpp
  ui/cp936_conversion.cpp
  ui/font_factory.cpp
  ui/link_opener.cpp
  ui/menu_handlers.cpp
  ui/menu_style.cpp
  ui/pictures.cpp
  ui/title_strip.cpp
  ui/window_behaviour.cpp)
