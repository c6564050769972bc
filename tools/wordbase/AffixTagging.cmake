# Affix, Latin root and spelling-rule tagging of the word base builder: a
# small library the builder links, its gold-set test and a listing tool.
add_library(wordbase_affixes STATIC
    ${CMAKE_CURRENT_LIST_DIR}/AffixRootTagger.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LatinStems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Morphology.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Phones.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Prefixes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Roots.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpellingRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Suffixes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableLexicon.cpp)
target_include_directories(wordbase_affixes PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(wordbase_affixes PUBLIC moxlet_core)

# Lists every lexicon word with its affix, root and rule segments (for review).
add_executable(wordbase_affix_dump ${CMAKE_CURRENT_LIST_DIR}/AffixDump.cpp)
target_link_libraries(wordbase_affix_dump PRIVATE wordbase_affixes)

# Its tests are in tests/wordbase (wordbase_tagging_tests).

# The builder's taggers call the affix tagging through AffixBridge.
target_sources(moxlet_wordbase_builder PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AffixBridge.cpp)
target_link_libraries(moxlet_wordbase_builder PUBLIC wordbase_affixes)
