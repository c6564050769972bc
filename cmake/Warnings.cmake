# Project-wide compiler settings, applied to our own targets through
# moxlet_settings (an interface library every target links).
add_library(moxlet_settings INTERFACE)
target_compile_options(moxlet_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                       -Wnon-virtual-dtor -Wno-missing-field-initializers)
# GCC 12 reports false -Wrestrict and -Wstringop-overflow hits inside
# libstdc++'s std::string when optimising (GCC bug 105329 and relatives).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(moxlet_settings INTERFACE -Wno-restrict -Wno-stringop-overflow)
endif()
if(MOXLET_WERROR)
  target_compile_options(moxlet_settings INTERFACE -Werror)
endif()
if(MOXLET_SANITIZE)
  target_compile_options(moxlet_settings INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(moxlet_settings INTERFACE -fsanitize=address,undefined)
endif()
