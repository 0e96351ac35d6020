# Sources of the application subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/naming_request.cpp
)
