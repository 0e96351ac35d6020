# Sources of the reference-data subsystem. The committed text tables of data/
# become constexpr arrays through a small host tool run at build time.
add_executable(lumivane_tablegen ${CMAKE_CURRENT_LIST_DIR}/tablegen/tablegen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../text/characters.cpp)
target_include_directories(lumivane_tablegen PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../..)

set(LUMIVANE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(LUMIVANE_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated/core/data)
set(LUMIVANE_DATA_TABLES
  ${LUMIVANE_DATA_DIR}/characters.tsv
  ${LUMIVANE_DATA_DIR}/radicals.tsv
  ${LUMIVANE_DATA_DIR}/radical-names.tsv
  ${LUMIVANE_DATA_DIR}/corpus-male.txt
  ${LUMIVANE_DATA_DIR}/corpus-female.txt
  ${LUMIVANE_DATA_DIR}/position-male-first.tsv
  ${LUMIVANE_DATA_DIR}/position-male-second.tsv
  ${LUMIVANE_DATA_DIR}/position-female-first.tsv
  ${LUMIVANE_DATA_DIR}/position-female-second.tsv
  ${LUMIVANE_DATA_DIR}/draw-exponents.tsv
  ${LUMIVANE_DATA_DIR}/pair-fit.tsv
  ${LUMIVANE_DATA_DIR}/traditional-simplified.tsv
  ${LUMIVANE_DATA_DIR}/family-names.tsv
  ${LUMIVANE_DATA_DIR}/verse-stanzas.tsv
  ${LUMIVANE_DATA_DIR}/verse-names.tsv
  ${LUMIVANE_DATA_DIR}/readings.tsv
  ${LUMIVANE_DATA_DIR}/name-counts.tsv
  ${LUMIVANE_DATA_DIR}/sound-words.tsv
  ${LUMIVANE_DATA_DIR}/meanings.tsv
  ${LUMIVANE_DATA_DIR}/kangxi-forms.tsv
)
set(LUMIVANE_GENERATED_TABLES
  ${LUMIVANE_GENERATED_DIR}/character_tables.inc
  ${LUMIVANE_GENERATED_DIR}/radical_tables.inc
  ${LUMIVANE_GENERATED_DIR}/name_tables.inc
  ${LUMIVANE_GENERATED_DIR}/traditional_tables.inc
  ${LUMIVANE_GENERATED_DIR}/family_name_tables.inc
  ${LUMIVANE_GENERATED_DIR}/verse_tables.inc
  ${LUMIVANE_GENERATED_DIR}/reading_tables.inc
  ${LUMIVANE_GENERATED_DIR}/name_count_tables.inc
  ${LUMIVANE_GENERATED_DIR}/sound_word_tables.inc
  ${LUMIVANE_GENERATED_DIR}/meaning_tables.inc
  ${LUMIVANE_GENERATED_DIR}/kangxi_form_tables.inc
)
add_custom_command(
  OUTPUT ${LUMIVANE_GENERATED_TABLES}
  COMMAND lumivane_tablegen ${LUMIVANE_DATA_DIR} ${LUMIVANE_GENERATED_DIR}
  DEPENDS lumivane_tablegen ${LUMIVANE_DATA_TABLES}
  COMMENT "Generating the built-in reference tables from data/"
  VERBATIM
)

target_sources(lumivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/character_dictionary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radical_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_corpora.cpp
  ${CMAKE_CURRENT_LIST_DIR}/traditional_characters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/family_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/verse_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_readings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_counts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_words.cpp
  ${CMAKE_CURRENT_LIST_DIR}/meanings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kangxi_forms.cpp
  ${LUMIVANE_GENERATED_TABLES}
)
target_include_directories(lumivane_core PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
