# Sources of the results subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/result_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/verse_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favorites_file.cpp
)
