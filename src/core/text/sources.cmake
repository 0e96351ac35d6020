target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gbk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/characters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gbk_order.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pinyin.cpp
)
