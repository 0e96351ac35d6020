# Sources of the application subsystem: the request pipeline, settings, addresses.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/naming_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_addresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/json_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filter_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/online_site.cpp
)
