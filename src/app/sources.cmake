# Start-up, message loop, exit; the handler table; the real services.
list(APPEND TAMSU_WIN_SOURCES
  app/application.cpp
  app/handler_table.cpp
  app/windows_services.cpp)
