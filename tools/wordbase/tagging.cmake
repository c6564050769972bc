# The gold-set test of the tagging by sound (moxlet_wordbase_sounds, defined
# with the builder in CMakeLists.txt).

# Included from tests/CMakeLists.txt (GTest is found there).
if(MOXLET_TESTS)
  add_executable(wordbase_tagging_tests ${CMAKE_CURRENT_LIST_DIR}/tests/SoundTaggingTest.cpp)
  target_link_libraries(wordbase_tagging_tests PRIVATE moxlet_wordbase_sounds GTest::gtest GTest::gtest_main)
  target_compile_definitions(wordbase_tagging_tests PRIVATE MOXLET_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(wordbase_tagging_tests DISCOVERY_MODE PRE_TEST)
  # Affix, Latin root and spelling-rule tagging (AffixTagging.cmake) and its gold set.
  target_sources(wordbase_tagging_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/PhonesTest.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/tests/AffixGoldTest.cpp)
  target_link_libraries(wordbase_tagging_tests PRIVATE wordbase_affixes)
  include(${CMAKE_CURRENT_LIST_DIR}/BlindGold.cmake)
endif()
