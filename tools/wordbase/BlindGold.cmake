# The blind gold sets (tests/data/gold-*-blind.tsv) against the word base the
# ordinary build ships: BlindGoldTest reads <build>/share/moxlet/wordbase-listing.tsv.
# Included from tagging.cmake, inside its MOXLET_TESTS block.
target_sources(wordbase_tagging_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/BlindGoldTest.cpp)
target_compile_definitions(wordbase_tagging_tests PRIVATE
                           MOXLET_WORDBASE_LISTING="${MOXLET_STAGED_DATADIR}/wordbase-listing.tsv")
add_dependencies(wordbase_tagging_tests moxlet_wordbase_data)
