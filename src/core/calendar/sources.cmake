# Sources of the calendar subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/western_calendar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/leap_months.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solar_terms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solar_longitude.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lunar_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lunar_day_corrections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocabulary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pillars.cpp
)
