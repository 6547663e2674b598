# One settings target that every library, program, test and benchmark links:
# it carries the language standard and the warning set.
add_library(tarvo_settings INTERFACE)
target_compile_features(tarvo_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(tarvo_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
  if(TARVO_WARNINGS_AS_ERRORS)
    target_compile_options(tarvo_settings INTERFACE -Werror)
  endif()
endif()
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

# Sanitizers for every target that links the settings (the "asan" preset sets
# address,undefined): any report ends the test that caused it.
set(TARVO_SANITIZE "" CACHE STRING "Sanitizers for every target, e.g. address,undefined (empty: none)")
if(TARVO_SANITIZE)
  target_compile_options(tarvo_settings INTERFACE
    -fsanitize=${TARVO_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # GCC's maybe-uninitialized analysis gives false reports on instrumented
  # code (std::regex, std::function); clang, which the asan preset uses, has none.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(tarvo_settings INTERFACE -Wno-maybe-uninitialized)
  endif()
  target_link_options(tarvo_settings INTERFACE -fsanitize=${TARVO_SANITIZE})
endif()
