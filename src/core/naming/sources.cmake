# Sources of the naming subsystem.
target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/family_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/numerology.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/san_cai.cpp
  ${CMAKE_CURRENT_LIST_DIR}/same_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/random_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shuffle_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simple_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/advanced_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remove_duplicate_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/verse_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_condition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avoid_characters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filter_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filter_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filter_dialog_rules.cpp
)
