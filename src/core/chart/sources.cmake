# Sources of the birth-chart subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/birth_chart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favourable.cpp
)
