# Sources of the built-in site: the pages rendered from the data.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/site_html.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/verse_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_sections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favourable_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_words.cpp
)
