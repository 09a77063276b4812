# Document state, save prompt, dialog object, file transfer, File commands, printing, font.
list(APPEND TAMSU_CORE_SOURCES
  document/dialog_rules.cpp
  document/long_path.cpp
  document/text_transfer.cpp)
# Printing
list(APPEND TAMSU_CORE_SOURCES document/print_layout.cpp)
list(APPEND TAMSU_WIN_SOURCES document/print_dialog.cpp document/print_job.cpp)
list(APPEND TAMSU_WIN_SOURCES
  document/common_dialog.cpp
  document/file_commands.cpp
  document/file_dialogs.cpp
  document/file_io.cpp
  document/font_command.cpp
  document/print_command.cpp
  document/save_prompt.cpp)
