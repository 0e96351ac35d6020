# Sources of the application subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/naming_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_addresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/online_site.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site/site_html.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site/site_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site/name_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site/calendar_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site/number_words.cpp
)
