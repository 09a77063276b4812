# Clock line and network address line.
list(APPEND TAMSU_CORE_SOURCES
  status/address_text.cpp
  status/clock_text.cpp)
list(APPEND TAMSU_WIN_SOURCES
  status/address_line.cpp
  status/clock_line.cpp
  status/host_network.cpp)
