# Clock line and network address line.
list(APPEND TAMSU_CORE_SOURCES)
list(APPEND TAMSU_WIN_SOURCES
  status/address_line.cpp
  status/clock_line.cpp
  status/host_network.cpp)
