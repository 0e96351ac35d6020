# Sources of the platform services every subsystem may use: the clock, files,
# system error texts.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/atomic_write.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_error.cpp
)
